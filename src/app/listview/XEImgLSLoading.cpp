// TXEImgLS: thumbnails. Worker threads decode, turn and fit; the main thread only takes a
// finished thumbnail into its entry (when the entry is still in the list, still has none, and
// no stop was asked meanwhile) and redraws its cell.
#include "app/listview/XEImgLS.h"

#include "app/QtDispatcher.h"
#include "app/widgets/BmpImage.h"
#include "app/listview/FreedesktopThumbCache.h"
#include "app/listview/ThumbLoader.h"
#include "imagelist/DropDecision.h"
#include "imaging/PictureFiles.h"
#include "imaging/Resamplers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace qor {

namespace {

// The stand-in for a missing file: a large question mark over the words on a grey striped
// ground, 180 × 135.
TBmpScan NotFoundPicture()
{
    QImage image(180, 135, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.setPen(QPen(QColor(185, 185, 185), 4));
    for (int x = -135; x < 180; x += 12)
        p.drawLine(x, 135, x + 135, 0);
    p.setPen(QColor(90, 90, 90));
    QFont mark;
    mark.setPixelSize(90);
    mark.setBold(true);
    p.setFont(mark);
    p.drawText(QRect(0, -8, 180, 110), Qt::AlignCenter, "?");
    QFont words;
    words.setPixelSize(16);
    p.setFont(words);
    p.drawText(QRect(0, 100, 180, 30), Qt::AlignCenter, "not found");
    p.end();
    return PictureFromImage(image);
}

} // namespace

void TXEImgLS::MakeStockPictures()
{
    if (FNotFoundImage.Empty()) FNotFoundImage = NotFoundPicture();
    FThumbDpr = Dpr();
    int w = std::max(1, int(std::lround(FMetrics.CellWd * FThumbDpr)));
    int h = std::max(1, int(std::lround(FMetrics.CellHt * FThumbDpr)));
    TBmpScan reading = LoadResourcePicture("IMGREADING", ".png");
    FPlaceholder = ImageOf(FitBitmap(reading, w, h, true)).copy();
}

void TXEImgLS::LoadSideButtons()
{
    FSideButtons.clear();
    std::error_code ec;
    if (FSideButtonFolder.empty() || !std::filesystem::is_directory(FSideButtonFolder, ec)) return;
    TStringList files;
    for (const auto& item : std::filesystem::directory_iterator(FSideButtonFolder, ec))
        if (item.is_regular_file(ec) && HasListedExt(item.path().string(), FileExt))
            files.push_back(item.path().string());
    std::sort(files.begin(), files.end());
    int w = FMetrics.SideWidth;
    int h = std::min(FMetrics.SideHeight, FMetrics.CellHt);
    for (const std::string& file : files) {
        QImage face;
        try {
            face = ImageOf(SmoothResize(LoadPicture(file), w, h))
                       .convertToFormat(QImage::Format_RGB32);
        } catch (const std::exception&) {
            // An unreadable picture keeps its place as a grey face.
        }
        if (face.isNull()) {
            face = QImage(w, h, QImage::Format_RGB32);
            QPainter p(&face);
            QLinearGradient grey(0, 0, 0, h);
            grey.setColorAt(0, QColor(192, 192, 192));
            grey.setColorAt(1, QColor(128, 128, 128));
            p.fillRect(face.rect(), grey);
        }
        FSideButtons.push_back(face);
    }
}

void TXEImgLS::MakeLoader()
{
    TThumbStore* store = FStore.get();
    const TBmpScan* notFound = &FNotFoundImage;
    FLoader = std::make_unique<TThumbLoader>(
        *FMainThread, TThumbLoader::DefaultThreadCount(),
        [store, notFound](const TThumbRequest& request) {
            return MakeThumbnail(request, store, notFound);
        },
        [this](const TThumbJob& job, TThumbResult& result, bool stale) {
            Deliver(job, result, stale);
        });
}

void TXEImgLS::SetThumbCacheFolder(const std::string& root)
{
    StopLoaders();
    FLoader.reset(); // waits for the decodes running now: they use the old store
    FStore = std::make_unique<TFreedesktopThumbCache>(root);
    MakeLoader();
}

TThumbJob TXEImgLS::JobFor(int id) const
{
    const PThumbInfo& entry = FThumbLS[id];
    TThumbJob job;
    job.Entry = entry;
    job.IdHint = id;
    job.Request.FileName = entry->FileName;
    job.Request.BoxWidth = std::max(1, int(std::lround(FMetrics.CellWd * FThumbDpr)));
    job.Request.BoxHeight = std::max(1, int(std::lround(FMetrics.CellHt * FThumbDpr)));
    job.Request.UserAngle = entry->UserAngle;
    job.Request.Smooth = ThumbSmoothStretch;
    job.Request.ExifRotation = EnableExifRotation;
    return job;
}

// Cells ask in the order given; the loader serves the newest request first, so they are
// handed over last to first. An entry waiting in the idle queue moves ahead; one that could
// not be decoded is tried again only by drawing-time loading.
void TXEImgLS::RequestThumbs(const std::vector<int>& ids, bool drawingTime)
{
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        PThumbInfo entry = IdToPInfo(*it);
        if (!entry || entry->bmp || (!drawingTime && FFailed.count(entry))) continue;
        entry->InThread = true;
        FLoader->Urgent(JobFor(*it));
    }
}

void TXEImgLS::StartBackgroundLoading()
{
    if (!UseIdleLoading) return;
    std::vector<TThumbJob> jobs;
    for (int id = Count() - 1; id >= 0; --id) {
        const PThumbInfo& entry = FThumbLS[id];
        if (entry->bmp || entry->InThread) continue;
        entry->InThread = true;
        jobs.push_back(JobFor(id));
    }
    if (!jobs.empty()) FLoader->Idle(std::move(jobs));
}

void TXEImgLS::StopLoaders()
{
    std::erase_if(FFailed, [](const std::weak_ptr<TThumbInfo>& e) { return e.expired(); });
    // Entries whose job is forgotten, or whose decode will come stale, may be taken again by a
    // later load.
    std::vector<std::weak_ptr<TThumbInfo>> forgotten = FLoader->Stop();
    for (const std::weak_ptr<TThumbInfo>& weak : FLoader->Running())
        forgotten.push_back(weak);
    for (const std::weak_ptr<TThumbInfo>& weak : forgotten)
        if (PThumbInfo entry = weak.lock()) entry->InThread = false;
}

bool TXEImgLS::LoadersAlive() const
{
    return FLoader->Alive();
}

void TXEImgLS::Deliver(const TThumbJob& job, TThumbResult& result, bool stale)
{
    PThumbInfo entry = job.Entry.lock();
    if (!entry) return;
    int id = (job.IdHint < Count() && FThumbLS[job.IdHint] == entry) ? job.IdHint
                                                                     : PInfoToId(entry.get());
    if (id < 0) return; // the entry left the list while its picture was decoded
    bool wanted = !stale && !entry->bmp && entry->FileName == job.Request.FileName &&
                  entry->UserAngle == job.Request.UserAngle;
    // A picture that cannot be decoded keeps its placeholder and is not tried again by the
    // background loaders.
    bool failed = wanted && !result.Bmp && !result.NotFound;
    entry->InThread = failed;
    if (failed) FFailed.insert(entry);
    if (!wanted) return;
    FFailed.erase(std::weak_ptr<TThumbInfo>(entry));
    entry->bmp = result.Bmp;
    if (result.Bmp || result.NotFound) {
        entry->Width = result.Width;
        entry->Height = result.Height;
        entry->ExifAngle = result.ExifAngle;
    }
    if (result.NotFound) entry->NotFound = true;
    if (InBuffer(id)) RedrawCell(id, TILMouseStat::ntmNormal);
    if (++FDeliveredSinceSweep >= 64 || !FLoader->Alive()) DropFarThumbs();
}

size_t TXEImgLS::ThumbBytes() const
{
    size_t bytes = 0;
    for (const PThumbInfo& entry : FThumbLS)
        if (entry->bmp) bytes += entry->bmp->Stride() * entry->bmp->Height();
    return bytes;
}

// Keeps the thumbnails nearest to the view within ThumbMemoryLimit; the others come back
// from the thumbnail cache when they are drawn again.
void TXEImgLS::DropFarThumbs()
{
    FDeliveredSinceSweep = 0;
    if (ThumbBytes() <= ThumbMemoryLimit) return;
    int centre = FLayout.ColNum * (Position / FLayout.Gridh + 1);
    std::vector<int> held;
    for (int id = 0; id < Count(); ++id)
        if (FThumbLS[id]->bmp && !InBuffer(id)) held.push_back(id);
    std::sort(held.begin(), held.end(),
              [centre](int a, int b) { return std::abs(a - centre) > std::abs(b - centre); });
    size_t bytes = ThumbBytes();
    size_t target = ThumbMemoryLimit / 10 * 9;
    for (int id : held) {
        if (bytes <= target) break;
        TBmpScan& bmp = *FThumbLS[id]->bmp;
        bytes -= bmp.Stride() * bmp.Height();
        FThumbLS[id]->bmp.reset();
        FThumbLS[id]->InThread = false;
    }
}

} // namespace qor
