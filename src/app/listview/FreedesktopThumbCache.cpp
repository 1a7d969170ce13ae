#include "app/listview/FreedesktopThumbCache.h"

#include "app/widgets/BmpImage.h"
#include "util/XEComFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace qor {

namespace {

constexpr const char* kSoftware = "qorgallery";

// The file's modification time in whole seconds, as the keys store it; empty when unknown.
std::string MTimeText(const std::string& fileName)
{
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) return {};
    return std::to_string(static_cast<long long>(st.st_mtime));
}

std::string Md5Name(const std::string& uri)
{
    QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(uri), QCryptographicHash::Md5);
    return hash.toHex().toStdString() + ".png";
}

// The PNG at path when it was made for this file as it is now, else a null image. The keys
// are read from the decoded image: QImageReader::text() splits keys at their first colon.
QImage ReadIfCurrent(const std::string& path, const std::string& uri, const std::string& mtime)
{
    if (mtime.empty()) return {};
    QImage image;
    if (!image.load(QString::fromStdString(path), "png")) return {};
    if (image.text("Thumb::URI").toStdString() != uri ||
        image.text("Thumb::MTime").toStdString() != mtime)
        return {};
    return image;
}

// GLib's g_filename_to_uri leaves letters, digits and "!$&'()*+,-./:=@_~" as they are and
// writes every other byte as %XX in upper case; the cache file is named after that text.
std::string EscapePath(const std::string& path)
{
    static const std::string kKept = "!$&'()*+,-./:=@_~";
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) && c < 0x80) {
            out += char(c);
        } else if (kKept.find(char(c)) != std::string::npos) {
            out += char(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

void AppendBigEndian(QByteArray& bytes, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

// A PNG tEXt chunk: GLib reads the thumbnail keys only from these, never from compressed ones.
QByteArray TextChunk(const QByteArray& key, const std::string& text)
{
    QByteArray body = "tEXt" + key + '\0' + QByteArray::fromStdString(text);
    QByteArray chunk;
    AppendBigEndian(chunk, uint32_t(body.size() - 4));
    chunk += body;
    AppendBigEndian(chunk, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.constData()),
                                          uInt(body.size()))));
    return chunk;
}

// The picture as PNG with the keys as tEXt chunks right after the header chunk.
QByteArray KeyedPng(const QImage& image,
                    const std::vector<std::pair<QByteArray, std::string>>& keys)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(1); // fast: thumbnails are small and written in bulk
    // The signature, then the header chunk's length, type, 13 bytes of data and CRC.
    constexpr int kAfterHeader = 8 + 4 + 4 + 13 + 4;
    if (!writer.write(image) || bytes.size() < kAfterHeader || bytes.mid(12, 4) != "IHDR")
        return {};
    QByteArray chunks;
    for (const auto& [key, text] : keys)
        chunks += TextChunk(key, text);
    return bytes.insert(kAfterHeader, chunks);
}

// Makes the missing folders down to folder, readable by the user only as the standard asks.
// Folders that exist are left as they are: one may be another program's, reached by a link.
void MakePrivateFolders(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (folder.empty() || std::filesystem::exists(folder, ec)) return;
    MakePrivateFolders(folder.parent_path());
    ::mkdir(folder.c_str(), 0700);
}

// Writes the PNG to a new file beside path, readable by the user only, then puts it in place,
// so that another program never reads half a thumbnail.
void WriteAtomic(const std::string& path, const QByteArray& bytes)
{
    if (bytes.isEmpty()) return;
    MakePrivateFolders(std::filesystem::path(path).parent_path());
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return;
    bool ok = ::fchmod(fd, 0600) == 0 &&
              ::write(fd, bytes.constData(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) ::unlink(temp.c_str());
}

// The picture's own size as stored: from the keys of the thumbnail when it has them, else from
// the picture's header (opened only when it is a regular file).
QSize OwnSize(const QImage& thumb, const std::string& fileName)
{
    bool wide = false, high = false;
    QSize keyed(thumb.text("Thumb::Image::Width").toInt(&wide),
                thumb.text("Thumb::Image::Height").toInt(&high));
    if (wide && high && keyed.width() > 0 && keyed.height() > 0) return keyed;
    TFilePtr picture = OpenRegularFile(fileName);
    QFile file;
    if (!picture || !file.open(picture.get(), QIODevice::ReadOnly)) return {};
    return QImageReader(&file).size();
}

} // namespace

TFreedesktopThumbCache::TFreedesktopThumbCache(std::string root) : FRoot(std::move(root)) {}

std::string TFreedesktopThumbCache::DefaultRoot()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache) return std::string(cache) + "/thumbnails";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.cache/thumbnails";
}

std::string TFreedesktopThumbCache::FileUri(const std::string& fileName)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(fileName, ec);
    return "file://" + EscapePath(absolute.lexically_normal().string());
}

const char* TFreedesktopThumbCache::SizeFolder(int32_t size)
{
    if (size <= 128) return "normal";
    if (size <= 256) return "large";
    if (size <= 512) return "x-large";
    return "xx-large";
}

int32_t TFreedesktopThumbCache::StoredSize(int32_t boxWidth, int32_t boxHeight) const
{
    int32_t side = std::max(boxWidth, boxHeight);
    for (int32_t size : {128, 256, 512})
        if (side <= size) return size;
    return 1024;
}

std::string TFreedesktopThumbCache::ThumbPath(const std::string& fileName, int32_t size) const
{
    return FRoot + "/" + SizeFolder(size) + "/" + Md5Name(FileUri(fileName));
}

std::string TFreedesktopThumbCache::FailPath(const std::string& fileName) const
{
    return FRoot + "/fail/" + kSoftware + "/" + Md5Name(FileUri(fileName));
}

std::optional<TStoredThumb> TFreedesktopThumbCache::Load(const std::string& fileName, int32_t size)
{
    QImage image = ReadIfCurrent(ThumbPath(fileName, size), FileUri(fileName), MTimeText(fileName));
    if (image.isNull()) return std::nullopt;
    QSize own = OwnSize(image, fileName);
    if (!own.isValid()) return std::nullopt;
    return TStoredThumb{PictureFromImage(image), own.width(), own.height()};
}

void TFreedesktopThumbCache::Save(const std::string& fileName, int32_t size,
                                  const TBmpScan& upright, int32_t width, int32_t height)
{
    std::string mtime = MTimeText(fileName);
    if (mtime.empty()) return;
    WriteAtomic(ThumbPath(fileName, size),
                KeyedPng(ImageOf(upright), {{"Thumb::URI", FileUri(fileName)},
                                            {"Thumb::MTime", mtime},
                                            {"Thumb::Image::Width", std::to_string(width)},
                                            {"Thumb::Image::Height", std::to_string(height)},
                                            {"Software", kSoftware}}));
}

bool TFreedesktopThumbCache::KnownFailure(const std::string& fileName)
{
    return !ReadIfCurrent(FailPath(fileName), FileUri(fileName), MTimeText(fileName)).isNull();
}

void TFreedesktopThumbCache::SaveFailure(const std::string& fileName)
{
    std::string mtime = MTimeText(fileName);
    if (mtime.empty()) return;
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    WriteAtomic(FailPath(fileName), KeyedPng(mark, {{"Thumb::URI", FileUri(fileName)},
                                                    {"Thumb::MTime", mtime},
                                                    {"Software", kSoftware}}));
}

} // namespace qor
