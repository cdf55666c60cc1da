#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "comm/Codecs.h"
#include "comm/CommImage.h"
#include "comm/OldImage.h"
#include "mappings/EMGMap.h"

using namespace rp;

namespace {
AppState Prepared() {
    AppState s = fixture::MakeFixture();
    InitCommImage(s);
    return s;
}
}  // namespace

TEST(SetCommData, ChannelFailureRunsNoLaterEncoder) {
    AppState s = Prepared();
    s.ChannelTable[0].Shift = 3;
    std::string label;
    Messages m;
    EXPECT_FALSE(SetCommData(s, label, m));
    EXPECT_FALSE(s.WriteAllowed);
    EXPECT_EQ(label, "SetCommDataByFrequencyError");
    EXPECT_EQ(m, Messages{"SetCommDataByFrequencyError"});
    EXPECT_EQ(s.CommImage[0x03B0], 0x60);  // scan ran before
    EXPECT_EQ(s.CommImage[0x0220], 0x00);  // option did not run
    EXPECT_EQ(s.CommImage[0x0170], 0x00);  // nor MSK
    EXPECT_EQ(s.CommImage[0x1E21], 0x00);  // nor bank
    EXPECT_EQ(s.CommImage[0x3900], 0x00);  // nor AM
}

TEST(SetCommData, OptionFailureStillRunsAmMskAndBank) {
    AppState s = Prepared();
    s.CurRadioData.Signal.Option.DisplayMode = 300;
    std::string label;
    EXPECT_FALSE(SetCommData(s, label));
    EXPECT_EQ(label, "SetCommDataByOptionError");
    EXPECT_FALSE(s.WriteAllowed);
    EXPECT_EQ(s.CommImage[0x0320], 0x00);  // 5-Tone skipped
    EXPECT_EQ(s.CommImage[0x0300], 0x00);  // 2-Tone skipped
    EXPECT_EQ(s.CommImage[0x0170], 0x1A);  // MSK ran
    EXPECT_EQ(s.CommImage[0x1E21], 0x02);  // bank ran
    EXPECT_EQ(s.CommImage[0x0608], 0x00);  // AM ran: short wave 18.0000 MHz
    EXPECT_EQ(s.CommImage[0x0609], 0x18);
}

TEST(SetCommData, EachSignallingEncoderReportsItsOwnLabel) {
    struct Case {
        const char* label;
        void (*spoil)(AppState&);
    };
    const Case cases[] = {
        {"SetCommDataBy5ToneError", [](AppState& s) { s.CurRadioData.Signal.FiveTone.CodeRows[4].Code = "12X"; }},
        {"SetCommDataBy2ToneError", [](AppState& s) { s.CurRadioData.Signal.TwoTone.Decode[1].FirstTone = 7000.0; }},
        {"SetCommDataByDTMFError", [](AppState& s) { s.CurRadioData.Signal.DTMF.KillCode.Code = "12*"; }},
        {"SetCommDataByMSKError", [](AppState& s) { s.CurRadioData.MSK.Entries[3].GroupID = "12"; }},
        {"SetCommDataByAMError", [](AppState& s) { s.CurRadioData.AMList[5] = "abc"; }},
        {"SetCommDataByBankError", [](AppState& s) { s.CurRadioData.BankTable[8][31] = 201; }},
    };
    for (const Case& c : cases) {
        AppState s = Prepared();
        c.spoil(s);
        std::string label;
        EXPECT_FALSE(SetCommData(s, label)) << c.label;
        EXPECT_EQ(label, c.label);
        EXPECT_FALSE(s.WriteAllowed);
    }
}

TEST(OptionCodec, TextBytesAndRepairsByRadioModel) {
    AppState s = Prepared();
    Messages m;
    s.CurRadioData.Signal.Option.RadioText = "ABCDEFGHIJKL";
    ASSERT_TRUE(SetCommDataByOption(s, m));
    EXPECT_EQ(s.CommImage[0x03EB], 'L');
    EXPECT_EQ(s.CommImage[0x0231] & 0x20, 0);
    EXPECT_EQ(s.CommImage[0x023C] & 0x04, 0);
    s.CurRadioData.Signal.Option.RadioText = "AB";
    ASSERT_TRUE(SetCommDataByOption(s, m));
    for (int a = 0x03E2; a <= 0x03EB; ++a) EXPECT_EQ(s.CommImage[static_cast<std::size_t>(a)], 0x00);

    s.CommImage[0x03E0] = 0x00;
    GetCommDataByOption(s);
    EXPECT_EQ(s.CurRadioData.Signal.Option.RadioText.Str(), std::string("\0           ", 12));

    struct Case {
        const char* radio;
        int at22F, mode;
        int at232, f20;
    };
    for (const Case c : {Case{"ZV853C", 3, 5, 4, 24}, Case{"6173USD", 3, 3, 4, 4}, Case{"ZV853D", 5, 0, 5, 24},
                         Case{"ZV853C", 5, 0, 2, 12}, Case{"6173USD", 9, 0, 30, 30}}) {
        s.RadioModelCode = c.radio;
        s.CommImage[0x022F] = static_cast<std::uint8_t>(c.at22F);
        s.CommImage[0x0232] = static_cast<std::uint8_t>(c.at232);
        GetCommDataByOption(s);
        EXPECT_EQ(s.CurRadioData.OptionBytesB[0], c.mode) << c.radio << " " << c.at22F;
        EXPECT_EQ(s.CurRadioData.Signal.Option.TOT, c.f20) << c.radio << " " << c.at232;
    }
}

TEST(OptionCodec, OneBitFieldIsWrittenAsItsDialogShowsIt) {
    // A foreign or damaged data file may hold any word in a one-bit setting. A check box shows
    // a positive value as ticked, a two-item list shows a value outside 0..1 as its first item;
    // the radio gets that one bit, and no other bit of the byte moves.
    using Set = void (*)(AppState&, int);
    struct Case {
        const char* name;
        Set set;
        int addr, bit;
        int value, expected;
    };
    const Case cases[] = {
        {"SQLKeyFunction list", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(13) = static_cast<std::int16_t>(v); }, 0x0230, 0, 2, 0},
        {"TailToneElimination box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(14) = static_cast<std::int16_t>(v); }, 0x0230, 1, 2, 1},
        {"FullBand box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(15) = static_cast<std::int16_t>(v); }, 0x0230, 2, 7, 1},
        {"AniMode list", [](AppState& s, int v) { s.CurRadioData.Signal.DTMF.AniMode = static_cast<std::int16_t>(v); }, 0x0230, 3, 2, 0},
        {"BroadcastRadioOn box", [](AppState& s, int v) { s.CurRadioData.OptionBytesA[1] = static_cast<std::uint8_t>(v); }, 0x0230, 4, 2, 1},
        {"MainSelect list", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(16) = static_cast<std::int16_t>(v); }, 0x0230, 5, 3, 0},
        {"Alarm box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(17) = static_cast<std::int16_t>(v); }, 0x0230, 6, 2, 1},
        {"VoicePrompt box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(18) = static_cast<std::int16_t>(v); }, 0x0230, 7, 300, 1},
        {"DisplayModeOption list", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(19) = static_cast<std::int16_t>(v); }, 0x0231, 0, 2, 0},
        {"AMEnabled box", [](AppState& s, int v) { s.CurRadioData.OptionBytesB[1] = static_cast<std::uint8_t>(v); }, 0x0231, 1, 2, 1},
        {"LWEnabled box", [](AppState& s, int v) { s.CurRadioData.OptionBytesB[4] = static_cast<std::uint8_t>(v); }, 0x0231, 4, 255, 1},
        {"KeyLock box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(31) = static_cast<std::int16_t>(v); }, 0x0231, 6, 2, 1},
        {"ScanQuick box", [](AppState& s, int v) { s.CurRadioData.TailWord1 = static_cast<std::int16_t>(v); }, 0x0231, 7, 2, 1},
        {"ScanQuick box, negative", [](AppState& s, int v) { s.CurRadioData.TailWord1 = static_cast<std::int16_t>(v); }, 0x0231, 7, -1, 0},
        {"FunctionOperation box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(28) = static_cast<std::int16_t>(v); }, 0x023C, 0, 2, 1},
        {"InternalFunctionOperation box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(29) = static_cast<std::int16_t>(v); }, 0x023C, 1, 2, 1},
        {"InitKey box", [](AppState& s, int v) { s.CurRadioData.Signal.Option.Field(30) = static_cast<std::int16_t>(v); }, 0x023C, 3, 2, 1},
        {"RptMute box", [](AppState& s, int v) { s.CurRadioData.TailByte = static_cast<std::uint8_t>(v); }, 0x023C, 4, 2, 1},
        {"RptMute box, above a nibble", [](AppState& s, int v) { s.CurRadioData.TailByte = static_cast<std::uint8_t>(v); }, 0x023C, 4, 17, 1},
    };
    for (const Case& c : cases) {
        AppState s = Prepared();
        Messages m;
        c.set(s, 0);
        ASSERT_TRUE(SetCommDataByOption(s, m)) << c.name;
        const std::uint8_t cleared = s.CommImage[static_cast<std::size_t>(c.addr)];
        c.set(s, c.value);
        EXPECT_TRUE(SetCommDataByOption(s, m)) << c.name;
        EXPECT_TRUE(m.empty()) << c.name;
        EXPECT_TRUE(s.WriteAllowed) << c.name;
        const std::uint8_t b = s.CommImage[static_cast<std::size_t>(c.addr)];
        EXPECT_EQ((b >> c.bit) & 1, c.expected) << c.name;
        EXPECT_EQ(b & ~(1u << c.bit), cleared & ~(1u << c.bit)) << c.name << ": another bit moved";
    }
}

TEST(OptionCodec, TailAndBookBytesRepairedAndPlacedByRadioModel) {
    struct Case {
        const char* radio;
        int at233, at23C, at23D, at23E;
        int tailByte, bookByte3, bookByte4, bookByte5;
    };
    // The tail byte starts at 9 and book byte 3 at 8, so a byte the decoder leaves shows.
    const Case cases[] = {
        {"6173USD", 1, 0x10, 99, 15, 1, 1, 99, 15},  {"6173USD", 2, 0x00, 100, 16, 0, 0, 0, 0},
        {"6173USD", 1, 0xE0, 5, 3, 0, 1, 5, 3},      {"ZV853D", 1, 0x10, 7, 7, 1, 1, 7, 7},
        {"ZV853C", 1, 0x00, 7, 7, 1, 8, 7, 7},       {"ZV853C", 0, 0x10, 7, 7, 0, 8, 7, 7},
        {"ZV853C", 3, 0x10, 7, 7, 0, 8, 7, 7},
    };
    for (const Case& c : cases) {
        AppState s;
        InitCommImage(s);
        s.RadioModelCode = c.radio;
        s.CurRadioData.TailByte = 9;
        s.CurRadioData.OptionBytesA[2] = 8;
        s.CommImage[0x0233] = static_cast<std::uint8_t>(c.at233);
        s.CommImage[0x023C] = static_cast<std::uint8_t>(c.at23C);
        s.CommImage[0x023D] = static_cast<std::uint8_t>(c.at23D);
        s.CommImage[0x023E] = static_cast<std::uint8_t>(c.at23E);
        GetCommDataByOption(s);
        const RadioData& r = s.CurRadioData;
        EXPECT_EQ(r.TailByte, c.tailByte) << c.radio << " " << c.at233 << " " << c.at23C;
        EXPECT_EQ(r.OptionBytesA[2], c.bookByte3) << c.radio << " " << c.at233;
        EXPECT_EQ(r.OptionBytesA[3], c.bookByte4) << c.at23D;
        EXPECT_EQ(r.OptionBytesA[4], c.bookByte5) << c.at23E;
    }
}

TEST(OldImage, ChannelRecordRulesTestTheByteBeforeConversion) {
    struct Case {
        const char* model;
        int signal, expected;
    };
    for (const Case c : {Case{"ZV853C", 3, 2}, Case{"ZV853C", 2, 0}, Case{"ZV853C", 4, 0}, Case{"ZV853C", 1, 1},
                         Case{"ZV853D", 3, 3}, Case{"ZV853D", 2, 2}}) {
        AppState s;
        s.CommImage[0x2010] = static_cast<std::uint8_t>(c.signal);
        s.CommImage[0x2019] = 0x97;
        s.CommImage[0x201F] = 0x0C;
        SetOldChImage(s, c.model, 0x2000);
        EXPECT_EQ(s.CommImage[0x2010], c.expected) << c.model << " " << c.signal;
        EXPECT_EQ(s.CommImage[0x2019], 0x07);
        EXPECT_EQ(s.CommImage[0x201F], 0x00);
    }
}

TEST(OldImage, ConversionMovesBookNamesAndRewritesOptionBytes) {
    AppState s = Prepared();
    std::string label;
    ASSERT_TRUE(SetCommData(s, label));
    const auto before = s.CommImage;
    s.CommImage[0x022F] = 5;
    s.CommImage[0x0232] = 15;
    ConvertImageToOld(s, "ZV853C");
    EXPECT_EQ(s.CommEndAddress, 0x3D00);
    for (int i = 0; i < 640; ++i) ASSERT_EQ(s.CommImage[static_cast<std::size_t>(0x1C00 + i)], before[static_cast<std::size_t>(0x1B10 + i)]) << i;
    for (int a = 0x1B10; a < 0x1C00; ++a) ASSERT_EQ(s.CommImage[static_cast<std::size_t>(a)], 0x00);
    for (int a = 0x1E80; a < 0x2000; ++a) ASSERT_EQ(s.CommImage[static_cast<std::size_t>(a)], 0x20);
    for (int a = 0x0388; a < 0x0390; ++a) EXPECT_EQ(s.CommImage[static_cast<std::size_t>(a)], 0xFF);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(s.CommImage[static_cast<std::size_t>(0x0140 + i)], before[static_cast<std::size_t>(0x0260 + i)]);
        EXPECT_EQ(s.CommImage[static_cast<std::size_t>(0x0260 + i)], before[static_cast<std::size_t>(0x0140 + i)]);
    }
    EXPECT_EQ(s.CommImage[0x022F], 3);  // 5 -> 3, and not on to 0
    EXPECT_EQ(s.CommImage[0x0232], 2);  // 15 / 6 = 2.5, halves to even
    EXPECT_EQ(s.CommImage[0x0233], s.CurRadioData.TailByte);

    AppState d = Prepared();
    d.CommImage[0x022F] = 5;
    d.CommImage[0x0232] = 24;
    ConvertImageToOld(d, "ZV853D");
    EXPECT_EQ(d.CommImage[0x022F], 0);
    EXPECT_EQ(d.CommImage[0x0232], 4);
}

TEST(InfoCodec, BandCodeAndPasswordFromTheirBytesFirmwareVersionKept) {
    AppState s;
    InitCommImage(s);
    s.CurRadioInfo.FirmwareVersion = "V1.00";
    s.CommImage[0x0017] = 0xC3;
    const char password[4] = {'7', 'x', 'Q', '2'};
    for (int i = 0; i < 4; ++i) s.CommImage[static_cast<std::size_t>(0x004C + i)] = static_cast<std::uint8_t>(password[i]);
    s.CommImage[0x0018] = 'V';  // what the radio holds next to the band byte is not the version
    s.CommImage[0x0019] = '9';
    GetCommDataByInfo(s);
    EXPECT_EQ(s.CurRadioInfo.BandCode, 0xC3);
    EXPECT_EQ(s.CurRadioInfo.UserCode.Str(), "7xQ2");
    EXPECT_EQ(s.CurRadioInfo.FirmwareVersion, "V1.00");
}

TEST(InfoCodec, ErasedTextsShowEmptyInTheViewer) {
    // An erased radio holds 0xFF all through its information area: each text ends at its first
    // 0x00 or 0xFF, so the viewer shows nothing rather than a row of 0xFF characters.
    struct Case {
        const char* name;
        int addr, width, box;
    };
    const Case cases[] = {
        {"SerialNumber", 0x002C, 16, 1},     {"ProductionDate", 0x003C, 16, 2}, {"MaintenanceDate", 0x0050, 16, 3},
        {"MaintenanceReason", 0x0060, 96, 4}, {"ManufactureCode", 0x0024, 8, 6}, {"UserCode", 0x004C, 4, 7},
        {"DealerCode", 0x00C0, 16, 8},        {"StockDate", 0x00D0, 16, 9},      {"SellDate", 0x00E0, 16, 10},
        {"Seller", 0x00F0, 16, 11},
    };
    AppState erased;
    InitCommImage(erased);
    for (int a = 0x0010; a <= 0x00FF; ++a) erased.CommImage[static_cast<std::size_t>(a)] = 0xFF;
    GetCommDataByInfo(erased);
    const EMGShow none = ShowEMG(erased, erased.CurRadioInfo);
    for (const Case& c : cases) EXPECT_EQ(none.Text1[static_cast<std::size_t>(c.box)], "") << c.name;

    for (const Case& c : cases) {
        AppState s = erased;
        s.CommImage[static_cast<std::size_t>(c.addr)] = 'A';
        s.CommImage[static_cast<std::size_t>(c.addr + 1)] = 'B';
        GetCommDataByInfo(s);
        EXPECT_EQ(ShowEMG(s, s.CurRadioInfo).Text1[static_cast<std::size_t>(c.box)], "AB") << c.name;
        // A text that fills its field has no end mark and keeps every character.
        for (int i = 0; i < c.width; ++i) s.CommImage[static_cast<std::size_t>(c.addr + i)] = static_cast<std::uint8_t>('0' + i % 10);
        s.CommImage[static_cast<std::size_t>(c.addr + c.width)] = 0x00;  // what follows is no part of it
        GetCommDataByInfo(s);
        EXPECT_EQ(ShowEMG(s, s.CurRadioInfo).Text1[static_cast<std::size_t>(c.box)].size(), static_cast<std::size_t>(c.width)) << c.name;
    }
}

TEST(OldImage, ModeAndTailBytesByModelTestTheValueBeforeConversion) {
    struct Case {
        const char* model;
        int mode, modeAfter;
        bool tailByteWritten;
    };
    const Case cases[] = {
        {"ZV853C", 5, 3, true}, {"ZV853C", 3, 0, true},  {"ZV853C", 4, 4, true},   {"ZV853C", 0, 0, true},
        {"ZV853D", 5, 0, false}, {"ZV853D", 3, 3, false}, {"6173USD", 5, 5, false}, {"6173USD", 3, 3, false},
    };
    for (const Case& c : cases) {
        AppState s;
        InitCommImage(s);
        s.CurRadioData.TailByte = 1;
        s.CommImage[0x022F] = static_cast<std::uint8_t>(c.mode);
        s.CommImage[0x0233] = 0x07;
        s.CommImage[0x0140] = 0x12;
        ConvertImageToOld(s, c.model);
        EXPECT_EQ(s.CommImage[0x022F], c.modeAfter) << c.model << " " << c.mode;
        EXPECT_EQ(s.CommImage[0x0233], c.tailByteWritten ? 1 : 7) << c.model;
        EXPECT_EQ(s.CommImage[0x0260], std::string(c.model) == "ZV853C" ? 0x12 : 0xFF) << c.model;
    }
}

TEST(ApplyRadioIdent, TakesTheBandTheRadioReported) {
    AppState s;
    s.RadioBandIndex = 5;
    s.RadioBandText = "UHF(430 - 440 MHz) VHF(144 - 146 MHz)";
    ApplyRadioIdent(s);
    EXPECT_EQ(s.CurBandIndex, 5);
    EXPECT_EQ(s.CurBandText, s.RadioBandText);
    EXPECT_EQ(s.RxBandLow[0], 430.0);
    EXPECT_EQ(s.TxBandHigh[1], 146.0);
}
