// The picture list measured by hand, against vipsthumbnail on the same files in the same run,
// and the screenshots of the widget alone.
//
//   bench_listview bench WORKDIR [PHOTOS=500] [ENTRIES=10000]
//   bench_listview screens WORKDIR OUTDIR
//   bench_listview loaders FOLDER THREADS
//
// bench generates camera-sized JPEGs (4000 × 3000, every fourth with EXIF orientation 6) in
// WORKDIR once, then reports each figure with its limit as a ratio (below 1 is within it).
// loaders makes the thumbnails of a folder's pictures with that many list loaders and ends;
// bench/gallery-memory/run measures its peak memory.
#include "ListViewTestFiles.h"
#include "app/QtDispatcher.h"
#include "app/listview/ThumbLoader.h"
#include "app/listview/XEImgLS.h"
#include "util/XEComFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace fs = std::filesystem;
using namespace qor;

namespace {

// A photo-like picture: a gradient with shapes and grain, so that it compresses like a
// camera picture rather than a flat colour.
void WritePhoto(const std::string& path, int width, int height, int seed, int orientation)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ground(0, 0, width, height);
    ground.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 120, 230));
    ground.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 200, 90));
    p.fillRect(image.rect(), ground);
    std::mt19937 random(seed);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(random() % 360, 160, 120 + random() % 130));
        p.setPen(Qt::NoPen);
        int r = width / 20 + random() % (width / 6);
        p.drawEllipse(QPoint(random() % width, random() % height), r, r);
    }
    p.end();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int grain = int(random() % 25) - 12;
            QRgb c = row[x];
            row[x] =
                qRgb(std::clamp(qRed(c) + grain, 0, 255), std::clamp(qGreen(c) + grain, 0, 255),
                     std::clamp(qBlue(c) + grain, 0, 255));
        }
    }
    image.save(QString::fromStdString(path), "jpg", 90);
    if (orientation != 1) test::InsertExifOrientation(path, orientation);
}

TStringList MakePhotos(const std::string& folder, int count, int width, int height)
{
    fs::create_directories(folder);
    TStringList files(count);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/photo%04d.jpg", i);
        files[i] = folder + name;
    }
    auto work = [&](int part) {
        for (int i = part; i < count; i += 2)
            if (!fs::exists(files[i])) WritePhoto(files[i], width, height, i, i % 4 == 3 ? 6 : 1);
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    return files;
}

double Ms(const QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
}

// CPU time of the calling thread: what the main thread itself spent, without the time the
// scheduler gave to other programs of a shared machine.
double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct TStall {
    double Wall = 0; // longest gap between ticks
    double Cpu = 0;  // longest main-thread CPU time between ticks
};

bool AllThumbs(const TXEImgLS& list)
{
    for (const PThumbInfo& e : list.Entries())
        if (!e->bmp) return false;
    return true;
}

// Runs the event loop until done() holds; answers the longest gap between the ticks of a
// 1 ms timer, which is the longest time the window could not answer.
TStall RunUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QElapsedTimer gap;
    gap.start();
    double cpu = ThreadCpuMs();
    TStall longest;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        double now = ThreadCpuMs();
        longest.Wall = std::max(longest.Wall, Ms(gap));
        longest.Cpu = std::max(longest.Cpu, now - cpu);
        gap.restart();
        cpu = ThreadCpuMs();
        if (done()) loop.quit();
    });
    tick.start();
    loop.exec();
    return longest;
}

long PeakMemoryKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

void Report(const char* what, double value, const char* unit, double limit, const char* peer)
{
    std::printf("%-62s %10.1f %-3s  ratio %.2f of %s\n", what, value, unit, value / limit, peer);
}

std::unique_ptr<TXEImgLS> ShownList(const std::string& cache)
{
    auto list = std::make_unique<TXEImgLS>();
    list->SetThumbCacheFolder(cache);
    list->resize(1000, 800);
    list->show();
    QApplication::processEvents();
    return list;
}

int Bench(const std::string& work, int photos, int entries)
{
    std::printf("generating %d photos of 4000 x 3000 in %s ...\n", photos, work.c_str());
    TStringList files = MakePhotos(work + "/photos", photos, 4000, 3000);
    std::string cache = work + "/cache";
    fs::remove_all(cache);
    fs::remove_all(work + "/vips");
    fs::create_directories(work + "/vips");

    QElapsedTimer t;
    t.start();
    std::string vips = "cd '" + work +
                       "/photos' && ls *.jpg | xargs -P2 -n 25 vipsthumbnail -s 180x160 -o '" +
                       work + "/vips/%s.jpg'";
    if (std::system(vips.c_str()) != 0) std::printf("vipsthumbnail failed\n");
    double vipsMs = Ms(t);

    auto list = ShownList(cache);
    t.restart();
    list->AssignFileLS(files);
    TStall stall = RunUntil([&] { return AllThumbs(*list) && !list->LoadersAlive(); });
    double coldMs = Ms(t);

    list = ShownList(cache);
    t.restart();
    list->AssignFileLS(files);
    RunUntil([&] { return AllThumbs(*list) && !list->LoadersAlive(); });
    double warmMs = Ms(t);

    list = ShownList(cache);
    TStringList many;
    for (int i = 0; i < entries; ++i)
        many.push_back(files[i % files.size()]);
    t.restart();
    double cpu = ThreadCpuMs();
    list->MergeFiles(many, "", -1);
    list->viewport()->repaint();
    double firstScreenMs = Ms(t);
    double firstScreenCpu = ThreadCpuMs() - cpu;
    double scrollMax = 0, scrollSum = 0, scrollCpuMax = 0;
    const int steps = 30;
    for (int i = 0; i < steps; ++i) {
        t.restart();
        cpu = ThreadCpuMs();
        list->SetPosition(list->Position + list->viewport()->height());
        list->viewport()->repaint();
        scrollMax = std::max(scrollMax, Ms(t));
        scrollCpuMax = std::max(scrollCpuMax, ThreadCpuMs() - cpu);
        scrollSum += Ms(t);
        QApplication::processEvents();
    }
    t.restart();
    RunUntil([&] { return !list->LoadersAlive(); });
    double manyMs = Ms(t);
    double peakMiB = PeakMemoryKiB() / 1024.0;

    std::printf("\n%d photos, %d entries, %d loader threads\n", photos, entries,
                TThumbLoader::DefaultThreadCount());
    Report("vipsthumbnail 180x160, xargs -P2 (the peer)", vipsMs, "ms", vipsMs, "vipsthumbnail");
    Report("all thumbnails loaded, cold cache", coldMs, "ms", vipsMs, "vipsthumbnail");
    Report("longest event-loop stall while loading (wall)", stall.Wall, "ms", 30, "30 ms");
    Report("longest event-loop stall while loading (main-thread CPU)", stall.Cpu, "ms", 30,
           "30 ms");
    Report("same list reopened, warm cache", warmMs, "ms", 1000, "1 s");
    Report("first screen after adding the entries (wall)", firstScreenMs, "ms", 300, "300 ms");
    Report("first screen after adding the entries (CPU)", firstScreenCpu, "ms", 300, "300 ms");
    Report("one scroll step of a screen, longest (wall)", scrollMax, "ms", 16, "16 ms");
    Report("one scroll step of a screen, longest (CPU)", scrollCpuMax, "ms", 16, "16 ms");
    Report("one scroll step of a screen, mean", scrollSum / steps, "ms", 16, "16 ms");
    Report("all entries visited (from the cache)", manyMs, "ms", manyMs, "itself");
    Report("peak memory (VmHWM)", peakMiB, "MiB", 1024, "1 GiB");
    std::printf("thumbnails held at the end: %.1f MiB\n", list->ThumbBytes() / 1048576.0);
    return 0;
}

void Mouse(TXEImgLS& list, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* vp = list.viewport();
    QMouseEvent event(type, QPointF(pos), vp->mapToGlobal(QPointF(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      modifiers);
    QApplication::sendEvent(vp, &event);
}

QPoint Centre(const TXEImgLS& list, int id)
{
    TRect r = SlotCellRect(list.Layout(), id);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 - list.Position};
}

void Save(TXEImgLS& list, const std::string& out, const char* name)
{
    QApplication::processEvents();
    list.grab().save(QString::fromStdString(out + "/listview-" + name + ".png"));
}

int Screens(const std::string& work, const std::string& out)
{
    TStringList files = MakePhotos(work + "/screen-photos", 200, 1600, 1200);
    fs::create_directories(out);
    auto list = ShownList(work + "/screen-cache");
    list->resize(1000, 700);
    list->SetCaptionSet(ilmcName | ilmcSize);
    list->AssignFileLS(files);
    list->SetItemIndex(-1);
    RunUntil([&] {
        for (int id = 0; id < 20; ++id)
            if (!list->IdToPInfo(id)->bmp) return false;
        return true;
    });
    Save(*list, out, "normal");

    Mouse(*list, QEvent::MouseButtonPress, Centre(*list, 1), Qt::LeftButton);
    Mouse(*list, QEvent::MouseButtonRelease, Centre(*list, 1), Qt::NoButton);
    for (int id : {2, 6}) {
        Mouse(*list, QEvent::MouseButtonPress, Centre(*list, id), Qt::LeftButton,
              Qt::ControlModifier);
        Mouse(*list, QEvent::MouseButtonRelease, Centre(*list, id), Qt::NoButton,
              Qt::ControlModifier);
    }
    Mouse(*list, QEvent::MouseMove, Centre(*list, 8), Qt::NoButton); // roll-over
    Save(*list, out, "selected");

    QPoint from = Centre(*list, 6);
    Mouse(*list, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(*list, QEvent::MouseMove, from + QPoint(10, 10), Qt::LeftButton);
    TRect target = SlotCellRect(list->Layout(), 13);
    Mouse(*list, QEvent::MouseMove, QPoint(target.Left + 30, target.Top + 60 - list->Position),
          Qt::LeftButton);
    Save(*list, out, "drag");
    Mouse(*list, QEvent::MouseButtonRelease,
          QPoint(target.Left + 30, target.Top + 60 - list->Position), Qt::NoButton);
    list->Undo();

    TRect gap = SlotCellRect(list->Layout(), 0);
    Mouse(*list, QEvent::MouseButtonPress, QPoint(gap.Left - 8, gap.Top + 40), Qt::LeftButton);
    Mouse(*list, QEvent::MouseMove, Centre(*list, 7) + QPoint(0, 40), Qt::LeftButton);
    Save(*list, out, "band");
    Mouse(*list, QEvent::MouseButtonRelease, Centre(*list, 7) + QPoint(0, 40), Qt::NoButton);

    list->Clear(true, true);
    list->SetEmptyMessage({"Drop pictures here", "or a folder"});
    Save(*list, out, "empty");
    return 0;
}

// Every picture of the folder through the list's loaders, without a thumbnail cache.
int Loaders(const std::string& folder, int threads)
{
    TQtDispatcher mainThread;
    std::vector<PThumbInfo> entries;
    std::vector<TThumbJob> jobs;
    for (const std::string& file : FindFilesList(folder, {".png", ".jpg"}, 1)) {
        entries.push_back(std::make_shared<TThumbInfo>());
        TThumbJob job;
        job.Entry = entries.back();
        job.Request.FileName = file;
        jobs.push_back(job);
    }
    size_t done = 0;
    TThumbLoader loader(
        mainThread, threads,
        [](const TThumbRequest& request) { return MakeThumbnail(request, nullptr, nullptr); },
        [&](const TThumbJob&, TThumbResult&, bool) { ++done; });
    loader.Idle(jobs);
    RunUntil([&] { return done == entries.size(); });
    std::printf("%zu thumbnails with %d loaders\n", done, threads);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == "bench")
        return Bench(args[2].toStdString(), args.size() > 3 ? args[3].toInt() : 500,
                     args.size() > 4 ? args[4].toInt() : 10000);
    if (args.size() >= 4 && args[1] == "screens")
        return Screens(args[2].toStdString(), args[3].toStdString());
    if (args.size() >= 4 && args[1] == "loaders")
        return Loaders(args[2].toStdString(), args[3].toInt());
    std::fprintf(stderr, "usage: bench_listview bench WORKDIR [PHOTOS] [ENTRIES]\n"
                         "       bench_listview screens WORKDIR OUTDIR\n"
                         "       bench_listview loaders FOLDER THREADS\n");
    return 2;
}
