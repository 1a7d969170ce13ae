#include "app/listview/FreedesktopThumbCache.h"

#include "app/widgets/BmpImage.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
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

// Writes the PNG to a new file beside path, readable by the user only, then puts it in place,
// so that another program never reads half a thumbnail.
void WriteAtomic(const std::string& path, const QImage& image, const std::string& uri,
                 const std::string& mtime)
{
    QImage keyed = image;
    keyed.setText("Thumb::URI", QString::fromStdString(uri));
    keyed.setText("Thumb::MTime", QString::fromStdString(mtime));
    keyed.setText("Software", kSoftware);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(1); // fast: thumbnails are small and written in bulk
    if (!writer.write(keyed)) return;
    std::error_code ec;
    std::filesystem::path target(path);
    std::filesystem::create_directories(target.parent_path(), ec);
    std::filesystem::permissions(target.parent_path(), std::filesystem::perms::owner_all, ec);
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return;
    bool ok = ::fchmod(fd, 0600) == 0 &&
              ::write(fd, bytes.constData(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) ::unlink(temp.c_str());
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
    return QUrl::fromLocalFile(QString::fromStdString(absolute.lexically_normal().string()))
        .toString(QUrl::FullyEncoded)
        .toStdString();
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
    // The picture's own size comes from its header: the cache keeps only the small picture.
    QSize own = QImageReader(QString::fromStdString(fileName)).size();
    if (!own.isValid()) return std::nullopt;
    return TStoredThumb{PictureFromImage(image), own.width(), own.height()};
}

void TFreedesktopThumbCache::Save(const std::string& fileName, int32_t size,
                                  const TBmpScan& upright)
{
    std::string mtime = MTimeText(fileName);
    if (mtime.empty()) return;
    WriteAtomic(ThumbPath(fileName, size), ImageOf(upright), FileUri(fileName), mtime);
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
    WriteAtomic(FailPath(fileName), mark, FileUri(fileName), mtime);
}

} // namespace qor
