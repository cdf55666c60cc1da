// Redrawing the channel grid: all 206 rows, as after a read, an open or a language switch.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "MainFixture.h"
#include "shell/MainGridText.h"
#include "shell/frmMain.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_maingrid";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

struct Window {
    rp::AppState st;
    rp::test::TempSettings settings;
    std::unique_ptr<rp::frmMain> w;
    Window() {
        App();
        rp::test::UseLanguage(st, 1);
        rp::test::FillAllChannels(st);
        w = std::make_unique<rp::frmMain>(st, settings.Make());
        w->show();
    }
};

void BM_ReShowListByData(benchmark::State& state) {
    Window win;
    // Two data sets in turn, so every cell really changes its text.
    rp::ChannelArray other = win.st.ChannelTable;
    for (auto& c : other) c.Power = static_cast<std::int16_t>(1 - c.Power), c.Name = "X";
    for (auto _ : state) {
        std::swap(win.st.ChannelTable, other);
        win.w->ReShowListByData();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * rp::kMaxChannels);
}
BENCHMARK(BM_ReShowListByData)->Unit(benchmark::kMicrosecond);

void BM_ShowListByData(benchmark::State& state) {
    Window win;
    for (auto _ : state) {
        win.w->ShowListByData();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowListByData)->Unit(benchmark::kMicrosecond);

// The texts alone, without the widgets.
void BM_ChannelRowTexts(benchmark::State& state) {
    Window win;
    rp::RowTextLists lists;
    lists.Steps = {"2.5K", "5K", "6.25K", "10K", "12.5K", "20K", "25K", "30K", "50K"};
    lists.Ctcss.assign(52, "100.0");
    lists.Dcs.assign(512, "023N");
    for (auto _ : state) {
        for (int i = 0; i < rp::kMaxChannels; ++i)
            benchmark::DoNotOptimize(rp::ChannelRowTexts(win.st, win.st.ChannelTable[i], lists));
    }
}
BENCHMARK(BM_ChannelRowTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
