// Throughput of the batch resizer on camera-sized photos, with one and two workers and with and
// without the watermark drawn through OnBmpCropped. The photos are the gallery-build
// benchmark's corpus (bench/gallery-build/run makes it; QOR_BENCH_CORPUS names another folder).
#include "imaging/XEResizeCompo.h"
#include "text/DrawWaterMark.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace qor;
namespace fs = std::filesystem;

constexpr int kPhotos = 8;

std::vector<TResizeItem> CorpusItems()
{
    const char* named = std::getenv("QOR_BENCH_CORPUS");
    fs::path corpus = named ? named : "/tmp/qor-bench-corpus";
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(corpus, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".jpg") files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    files.resize(std::min<size_t>(files.size(), kPhotos));
    std::vector<TResizeItem> items;
    for (const std::string& file : files) items.push_back({file, 0, {}});
    return items;
}

void BatchResize(benchmark::State& state)
{
    std::vector<TResizeItem> items = CorpusItems();
    if (items.size() < kPhotos) {
        state.SkipWithError("no corpus: run bench/gallery-build/run once");
        return;
    }
    fs::path out = fs::temp_directory_path() / "qor-batch-bench";
    for (auto _ : state) {
        TQueueDispatcher mainThread;
        TXEResizeCompo resizer(mainThread);
        resizer.SetThreadNum(static_cast<int>(state.range(0)));
        resizer.SetOutDir(out.string());
        resizer.AspectWidth = 720;
        resizer.AspectHeight = 270;
        resizer.ThumbAspectWidth = 112;
        resizer.ThumbAspectHeight = 44;
        if (state.range(1))
            resizer.OnBmpCropped = [](TXEResizeCompo&, TBmpScan& bmp) {
                DrawWaterMark(bmp, "© Qorika 2026", WaterMarkFont(), wmBottomRight, WaterMarkShadowColor);
            };
        bool ended = false;
        resizer.OnAllThreadEnd = [&](TXEResizeCompo&) { ended = true; };
        resizer.Execute(items);
        mainThread.RunUntil([&] { return ended; });
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items.size()));
    fs::remove_all(out);
}

// Arguments: workers, watermark.
BENCHMARK(BatchResize)->ArgsProduct({{1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
