#pragma once
// Shared set-up of the main-window tests: language texts from the shipped files, a data set,
// and settings kept in a temporary file so no test touches the user's own.
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "model/AppState.h"
#include "model/LangText.h"
#include "model/Values.h"

namespace rp::test {

// The shipped language files, as laid beside the program.
inline void UseLanguage(AppState& st, int index) {
    st.ProgramDir = RP_RUNTIME_DIR;
    SetLanguage(st, index);
}

// A nine-digit data text of a frequency in MHz ("145.5" gives "014550000").
inline std::string Fre(const char* mhz) {
    auto v = ParseScaled(mhz, 5, RoundMode::Truncate);
    return FormatPadded(*v, 9);
}

inline ChannelData MakeChannel(int number, const char* mhz) {
    ChannelData c;
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.RxFreq = Fre(mhz);
    c.OffsetFreq = "000000000";
    c.Name.SetNulTerminated("");
    c.CustomCTCSS = 1511;
    c.SquelchLevel = 3;
    c.ExtraFlag = 1;
    return c;
}

// Every slot in use, with varied fields so each column has something to show.
inline void FillAllChannels(AppState& st) {
    for (int i = 0; i < kMaxChannels; ++i) {
        const int n = i + 1;
        const std::string f = "14" + std::to_string(4 + i % 4) + "." + std::to_string(10000 + i * 125).substr(1);
        ChannelData c = MakeChannel(n, f.c_str());
        c.Shift = static_cast<std::int16_t>(i % 3);
        c.OffsetFreq = "000600000";
        c.Name = "CH" + std::to_string(n);
        c.StepIndex = static_cast<std::int16_t>(i % 9);
        c.Bandwidth = static_cast<std::int16_t>(i % 2);
        c.Power = static_cast<std::int16_t>(i % 2);
        c.DecToneType = static_cast<std::int16_t>(i % 3);
        c.DecCTCSSIndex = static_cast<std::int16_t>(i % 51);
        c.DecDCSCode = static_cast<std::int16_t>(i * 7 % 512);
        c.DecDCSInvert = static_cast<std::int16_t>(i % 2);
        c.EncToneType = static_cast<std::int16_t>((i + 1) % 3);
        c.EncCTCSSIndex = static_cast<std::int16_t>((i * 3) % 51);
        c.EncDCSCode = static_cast<std::int16_t>(i * 11 % 512);
        c.SignalType = static_cast<std::int16_t>(i % 5);
        c.DTMFMemoryNo = static_cast<std::int16_t>(i % 16);
        c.TwoToneNo = static_cast<std::int16_t>(i % 32);
        c.FiveToneNo = static_cast<std::int16_t>(i % 100);
        c.MSKNo = static_cast<std::int16_t>(i % 32);
        st.ChannelTable[i] = c;
    }
    st.CurRadioData.ChannelCount = kMaxChannels;
}

// Settings in a file of their own.
struct TempSettings {
    QTemporaryDir dir;
    QString Path() const { return dir.filePath("settings.ini"); }
    std::unique_ptr<QSettings> Make() const {
        return std::make_unique<QSettings>(Path(), QSettings::IniFormat);
    }
};

}  // namespace rp::test
