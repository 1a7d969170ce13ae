// bench_gui PHOTOS_FOLDER WORK_FOLDER QORGALLERY
//
// 1. First paint: the main window made and shown with a project of 1 000 pictures, from the
//    start of the process to the first paint of the picture list with the project open.
// 2. A build of the folder's photos from the window, once their thumbnails are loaded: its
//    time, and the longest time the event loop was blocked meanwhile (a 1 ms timer measures
//    the gaps between its ticks).
// 3. qorgallery build of the same project, timed as a separate process, for the ratio.
#include "app/listview/XEImgLS.h"
#include "app/platform/MessageBox.h"
#include "app/window/FrmSlider1.h"
#include "util/XEComFile.h"
#include "util/XEInitPrj.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace qor;

namespace {

// Milliseconds since the process started, from the kernel's record of its start.
double MsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {}
    double startSeconds = std::stod(field) / sysconf(_SC_CLK_TCK);
    std::ifstream uptime("/proc/uptime");
    double upSeconds = 0;
    uptime >> upSeconds;
    return (upSeconds - startSeconds) * 1000.0;
}

std::string Project(const TStringList& photos, int count, const std::string& path)
{
    TComQorCSS1 settings = TComQorCSS1::NewProjectSettings();
    // Without the standard settings the slides would have no size and nothing would be built.
    if (!settings.LoadFromFile(Folders().RscFolder + "stdSetting.qor")) {
        std::fprintf(stderr, "no standard settings in %s (set QORGALLERY_RSC)\n",
                     Folders().RscFolder.c_str());
        std::exit(1);
    }
    settings.AttrLS.clear();
    for (int i = 0; i < count; ++i)
        settings.AttrLS.push_back(photos[i % photos.size()] + "\x19" "0, 0,crop,0|0|0|0,r,r,r,r");
    settings.SaveToFile(path);
    return path;
}

class TPaintWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && Armed && FirstPaintMs < 0) FirstPaintMs = MsSinceProcessStart();
        return false;
    }
    bool Armed = false;
    double FirstPaintMs = -1;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_gui PHOTOS_FOLDER WORK_FOLDER QORGALLERY\n");
        return 2;
    }
    QApplication app(argc, argv);
    SetMsgAnswerer([](const std::string&, unsigned buttons, TMsgKind) {
        return (buttons & mbNo) ? mbNo : mbOK;
    });
    const std::string work = argv[2];
    fs::create_directories(work);
    TStringList photos = FindFilesList(argv[1], {".jpg"}, 1);
    std::sort(photos.begin(), photos.end());
    if (photos.empty()) return std::fprintf(stderr, "no photos in %s\n", argv[1]), 1;
    std::string big = Project(photos, 1000, work + "/big.qor");
    std::string small = Project(photos, static_cast<int>(photos.size()), work + "/photos.qor");

    TPaintWatch watch;
    TFrmSlider1 window;
    window.XEImgLS1().viewport()->installEventFilter(&watch);
    window.OnCreateChildForm({"qorgallery-gui", QString::fromStdString(big)});
    window.show();
    while (!window.FirstShowDone()) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    watch.Armed = true;
    window.XEImgLS1().viewport()->update();
    while (watch.FirstPaintMs < 0) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("first paint with %d pictures: %.0f ms from process start (target 500 ms: %.2f)\n",
                window.XEImgLS1().Count(), watch.FirstPaintMs, watch.FirstPaintMs / 500.0);

    window.OpenProject(small, false);
    // The thumbnails of the opened project are made first, so that the build is timed alone.
    while (window.XEImgLS1().LoadersAlive()) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    window.EdOutDir->setText(QString::fromStdString(work + "/gui-out"));
    QElapsedTimer clock, tick;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, tick.restart());
    });
    bool ended = false;
    QObject::connect(&window, &TFrmSlider1::MakeEnded, [&] { ended = true; });
    tick.start();
    ticker.start(1);
    clock.start();
    window.ActMakeExecute();
    // The program's own loop blocks between events (processEvents with a time would spin).
    QEventLoop loop;
    QObject::connect(&window, &TFrmSlider1::MakeEnded, &loop, &QEventLoop::quit);
    if (!ended) loop.exec();
    double guiMs = clock.elapsed();
    ticker.stop();

    QProcess cli;
    clock.restart();
    cli.start(argv[3], {"build", QString::fromStdString(small), "--out", QString::fromStdString(work + "/cli-out"),
                        "--quiet"});
    cli.waitForFinished(-1);
    double cliMs = clock.elapsed();
    // A build that wrote no slides measured nothing.
    for (const char* out : {"/gui-out", "/cli-out"})
        if (!fs::exists(work + out + "/img/img" + std::to_string(photos.size()) + ".jpg"))
            return std::fprintf(stderr, "%s: the build wrote no slides\n", out), 1;
    std::printf("build of %zu photos from the window: %.0f ms; qorgallery build: %.0f ms (ratio %.3f)\n",
                photos.size(), guiMs, cliMs, guiMs / cliMs);
    std::printf("longest event-loop stall during the build: %lld ms (target 50 ms: %.2f)\n",
                static_cast<long long>(longestGap), longestGap / 50.0);
    return 0;
}
