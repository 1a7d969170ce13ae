// The picture list with 10 000 entries: adding a folder, selecting all, deleting half,
// undoing and sorting. Each operation runs beside a peer that does the same work on a plain
// std::vector of the same data (the same folder, the same names), so the ratio shows what
// the list's bookkeeping (undo store, events, entry records) costs on top.
#include "imagelist/CustomImgLS.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using namespace qor;

namespace {

constexpr int Entries = 10000;

// A folder of 10 000 small pictures with mixed-case names, made once per run.
class TPictureFolder {
public:
    TPictureFolder()
    {
        FPath = fs::temp_directory_path() / ("qorbench-" + std::to_string(::getpid()));
        fs::create_directories(FPath);
        std::mt19937 random(1);
        for (int i = 0; i < Entries; ++i) {
            std::string name = (random() % 2 ? "Img_" : "img_") +
                               std::to_string(random() % 100000) + "_" + std::to_string(i) + ".jpg";
            std::ofstream(FPath / name) << i;
        }
    }
    ~TPictureFolder()
    {
        std::error_code ec;
        fs::remove_all(FPath, ec);
    }
    std::string Path() const { return FPath.string(); }

private:
    fs::path FPath;
};

const TPictureFolder& Folder()
{
    static TPictureFolder folder;
    return folder;
}

void FillList(TCustomImgLS& list)
{
    list.MergeFiles({}, Folder().Path(), -1);
}

// The peer's entry: the same facts in a plain record.
struct TPlainEntry {
    std::string FileName;
    int64_t Size = 0;
    bool Selected = false;
};

std::vector<TPlainEntry> PlainEntries()
{
    std::vector<TPlainEntry> entries;
    for (const fs::directory_entry& e : fs::directory_iterator(Folder().Path()))
        entries.push_back({e.path().string(), static_cast<int64_t>(e.file_size())});
    return entries;
}

void BM_AddFolder(benchmark::State& state)
{
    Folder(); // made before timing starts
    for (auto _ : state) {
        TCustomImgLS list;
        FillList(list);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_AddFolder)->Unit(benchmark::kMillisecond);

void BM_Peer_AddFolder(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainEntries().size());
}
BENCHMARK(BM_Peer_AddFolder)->Unit(benchmark::kMillisecond);

void BM_SelectAll(benchmark::State& state)
{
    TCustomImgLS list;
    FillList(list);
    bool flag = false;
    for (auto _ : state) {
        list.SelectALL(flag = !flag, true, false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMicrosecond);

void BM_Peer_SelectAll(benchmark::State& state)
{
    std::vector<TPlainEntry> entries = PlainEntries();
    bool flag = false;
    for (auto _ : state) {
        flag = !flag;
        for (TPlainEntry& e : entries)
            e.Selected = flag;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Peer_SelectAll)->Unit(benchmark::kMicrosecond);

void SelectEveryOther(TCustomImgLS& list)
{
    for (int i = 0; i < list.Count(); ++i)
        list.IdToPInfo(i)->Selected = i % 2 == 0;
}

// Deletes half, then (untimed) undoes it, so every round deletes from the full list.
void BM_DeleteHalf(benchmark::State& state)
{
    TCustomImgLS list;
    FillList(list);
    SelectEveryOther(list);
    for (auto _ : state) {
        list.Delete();
        state.PauseTiming();
        list.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteHalf)->Unit(benchmark::kMillisecond);

void BM_Peer_DeleteHalf(benchmark::State& state)
{
    std::vector<std::shared_ptr<TPlainEntry>> full;
    for (TPlainEntry& e : PlainEntries())
        full.push_back(std::make_shared<TPlainEntry>(e));
    for (size_t i = 0; i < full.size(); ++i)
        full[i]->Selected = i % 2 == 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::shared_ptr<TPlainEntry>> list = full;
        state.ResumeTiming();
        // Keeps what was removed, as an undo needs it.
        std::vector<std::shared_ptr<TPlainEntry>> removed;
        std::copy_if(list.begin(), list.end(), std::back_inserter(removed),
                     [](const auto& e) { return e->Selected; });
        std::erase_if(list, [](const auto& e) { return e->Selected; });
        benchmark::DoNotOptimize(list.size() + removed.size());
    }
}
BENCHMARK(BM_Peer_DeleteHalf)->Unit(benchmark::kMillisecond);

// Undo after deleting half: each round brings the half back or takes it out again.
void BM_UndoDelete(benchmark::State& state)
{
    TCustomImgLS list;
    FillList(list);
    SelectEveryOther(list);
    list.Delete();
    for (auto _ : state) {
        list.Undo();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_UndoDelete)->Unit(benchmark::kMicrosecond);

// The peer's undo: putting the saved order back by copying it.
void BM_Peer_UndoDelete(benchmark::State& state)
{
    std::vector<std::shared_ptr<TPlainEntry>> saved;
    for (TPlainEntry& e : PlainEntries())
        saved.push_back(std::make_shared<TPlainEntry>(e));
    std::vector<std::shared_ptr<TPlainEntry>> list(saved.begin(), saved.begin() + Entries / 2);
    for (auto _ : state) {
        list = saved;
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_Peer_UndoDelete)->Unit(benchmark::kMicrosecond);

std::string Folded(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Sorting by file name, ascending and descending by turns so no round starts sorted.
void BM_SortByName(benchmark::State& state)
{
    TCustomImgLS list;
    FillList(list);
    list.SortKey = TILMSort::ilmName;
    bool ascend = false;
    for (auto _ : state)
        list.Sort(ascend = !ascend);
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_Peer_SortByName(benchmark::State& state)
{
    std::vector<std::string> names;
    for (const TPlainEntry& e : PlainEntries())
        names.push_back(fs::path(e.FileName).filename());
    bool ascend = false;
    for (auto _ : state) {
        ascend = !ascend;
        std::sort(names.begin(), names.end(), [ascend](const std::string& a, const std::string& b) {
            return ascend ? Folded(a) < Folded(b) : Folded(b) < Folded(a);
        });
    }
}
BENCHMARK(BM_Peer_SortByName)->Unit(benchmark::kMillisecond);

} // namespace
