#include <benchmark/benchmark.h>

#include "../tests/comm/ImageFixture.h"
#include "comm/CommImage.h"
#include "comm/SkipRanges.h"

using namespace rp;

static void EncodeFullImage(benchmark::State& state) {
    AppState s = fixture::MakeFixture();
    std::string label;
    for (auto _ : state) {
        InitCommImage(s);
        s.WriteAllowed = true;
        benchmark::DoNotOptimize(SetCommData(s, label));
        PrepareWrite(s);
        benchmark::DoNotOptimize(s.CommImage.data());
    }
}
BENCHMARK(EncodeFullImage);

static void DecodeFullImage(benchmark::State& state) {
    AppState source = fixture::MakeFixture();
    std::string label;
    InitCommImage(source);
    SetCommData(source, label);
    AppState s;
    s.RadioModelCode = "6173USD";
    s.CommImage = source.CommImage;
    for (auto _ : state) {
        GetCommData(s);
        benchmark::DoNotOptimize(s.CurRadioData.ChannelCount);
    }
}
BENCHMARK(DecodeFullImage);
