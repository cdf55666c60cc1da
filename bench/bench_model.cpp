// The checks the main window runs on every command and the work behind New must stay far
// below what a user notices.
#include <benchmark/benchmark.h>

#include "model/AppState.h"
#include "model/ChannelOps.h"
#include "model/DataChanged.h"
#include "model/NewData.h"
#include "model/Repairs.h"

using namespace rp;

static AppState FullTable() {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    for (int n = 3; n <= 200; ++n) SetChannelFreq(st, n, "145.0125");
    st.FileRadioData = st.CurRadioData;
    st.FileChannelTable = st.ChannelTable;
    return st;
}

static void BM_IsDataChangedFullTable(benchmark::State& state) {
    const AppState st = FullTable();
    for (auto _ : state) benchmark::DoNotOptimize(IsDataChanged(st));
}
BENCHMARK(BM_IsDataChangedFullTable);

static void BM_NewData(benchmark::State& state) {
    AppState st;
    st.NoInitFileFlag = true;
    for (auto _ : state) {
        NewData(st);
        benchmark::DoNotOptimize(st.CurRadioData.ChannelCount);
    }
}
BENCHMARK(BM_NewData);

static void BM_RepairsFullTable(benchmark::State& state) {
    AppState st = FullTable();
    for (auto _ : state) {
        RepairChannelSignalRefs(st);
        CheckChannelRefs(st);
    }
}
BENCHMARK(BM_RepairsFullTable);
