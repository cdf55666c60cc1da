// Open and save of a full data set (206 different channels, every list full), on disk with and
// without the flush to the disk, and on bytes alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FullDataSet.h"

#include "model/DataFileCodec.h"
#include "model/DataFiles.h"
#include "model/NewData.h"

namespace {

namespace fs = std::filesystem;

rp::AppState FullState() {
    rp::AppState st;
    rp::bench::FillFullData(st);
    return st;
}

// The same set with every channel alike and the lists as new data leave them.
rp::AppState PlainState() {
    rp::AppState st;
    st.NoInitFileFlag = true;
    rp::NewData(st);
    for (int no = 3; no <= 200; ++no) rp::AddDefaultChannel(st, no, "435.1250");
    return st;
}

struct TempDir {
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "rp_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    ~TempDir() { if (!path.empty()) fs::remove_all(path); }
    std::string path;
};

void BM_SaveDataFile(benchmark::State& state) {
    TempDir dir;
    rp::AppState st = FullState();
    const std::string file = dir.path + "/full.dat";
    for (auto _ : state) {
        if (!rp::SaveDataFile(st, file).Ok()) state.SkipWithError("save failed");
    }
    state.counters["channels"] = st.CurRadioData.ChannelCount;
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMicrosecond);

void BM_SaveDataFilePlain(benchmark::State& state) {
    TempDir dir;
    rp::AppState st = PlainState();
    const std::string file = dir.path + "/plain.dat";
    for (auto _ : state) {
        if (!rp::SaveDataFile(st, file).Ok()) state.SkipWithError("save failed");
    }
    state.counters["channels"] = st.CurRadioData.ChannelCount;
}
BENCHMARK(BM_SaveDataFilePlain)->Unit(benchmark::kMicrosecond);

// What a save costs without waiting for the disk: the same bytes, written but not flushed.
void BM_SaveDataFileNoFlush(benchmark::State& state) {
    TempDir dir;
    rp::AppState st = FullState();
    st.CurRadioData.ModelCode = "6173USD";
    const std::string file = dir.path + "/noflush.dat";
    for (auto _ : state) {
        const auto main = rp::EncodeMainRecord(st.CurRadioData);
        std::vector<std::uint8_t> fre;
        for (int i = 0; i < st.CurRadioData.ChannelCount; ++i) {
            const auto c = rp::EncodeChannelRecord(st.ChannelTable[static_cast<std::size_t>(i)]);
            fre.insert(fre.end(), c.begin(), c.end());
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(main.data()), static_cast<std::streamsize>(main.size()));
        std::ofstream(file + ".fre", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(fre.data()), static_cast<std::streamsize>(fre.size()));
    }
    state.counters["channels"] = st.CurRadioData.ChannelCount;
}
BENCHMARK(BM_SaveDataFileNoFlush)->Unit(benchmark::kMicrosecond);

void BM_OpenDataFile(benchmark::State& state) {
    TempDir dir;
    rp::AppState st = FullState();
    const std::string file = dir.path + "/full.dat";
    if (!rp::SaveDataFile(st, file).Ok()) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!rp::OpenDataFile(st, file).Ok()) state.SkipWithError("open failed");
    }
    state.counters["channels"] = st.CurRadioData.ChannelCount;
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMicrosecond);

// The decoding and checks alone, without the file system.
void BM_ParseDataFile(benchmark::State& state) {
    rp::AppState st = FullState();
    st.CurRadioData.ModelCode = "6173USD";
    const auto main = rp::EncodeMainRecord(st.CurRadioData);
    std::vector<std::uint8_t> fre;
    for (int i = 0; i < st.CurRadioData.ChannelCount; ++i) {
        const auto c = rp::EncodeChannelRecord(st.ChannelTable[static_cast<std::size_t>(i)]);
        fre.insert(fre.end(), c.begin(), c.end());
    }
    rp::RadioData radio;
    rp::ChannelArray channels{};
    for (auto _ : state) {
        if (!rp::ParseDataFile(st, main, fre, true, radio, channels).Ok()) state.SkipWithError("refused");
        benchmark::DoNotOptimize(channels);
    }
}
BENCHMARK(BM_ParseDataFile)->Unit(benchmark::kMicrosecond);

}  // namespace
