// The function settings: the option block at 0x0220-0x024F and the power-on text at 0x03E0.
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kOptionText = 0x03E0;
constexpr int kOptionTextWidth = 12;

// A one-bit setting goes to the radio as its dialog shows it, so a value a foreign or damaged
// data file holds there can neither stop the write nor reach the next bit. A check box shows
// every positive value as ticked; a list of two items shows a value outside 0..1 as its first.
int CheckBoxBit(long long v) { return v > 0 ? 1 : 0; }
int ListBit(long long v) { return v == 1 ? 1 : 0; }

}  // namespace

bool SetCommDataByOption(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const RadioData& r = s.CurRadioData;
    const OptionData o = r.Signal.Option;
    const DTMFData d = r.Signal.DTMF;

    for (int k = 1; k <= 7; ++k) w.Byte(0x0220 + k - 1, o.Field(k));
    w.Byte(0x0227, r.TailWord2);
    w.Byte(0x0228, r.TailWord3);
    for (int k = 8; k <= 12; ++k) w.Byte(0x0229 + k - 8, o.Field(k));
    w.Byte(0x022E, 0);
    w.Byte(0x022F, r.OptionBytesB[0]);

    w.Bits(0x0230, 0, 1, ListBit(o.Field(13)));
    w.Bits(0x0230, 1, 1, CheckBoxBit(o.Field(14)));
    w.Bits(0x0230, 2, 1, CheckBoxBit(o.Field(15)));
    w.Bits(0x0230, 3, 1, ListBit(d.AniMode));
    w.Bits(0x0230, 4, 1, CheckBoxBit(r.OptionBytesA[1]));
    w.Bits(0x0230, 5, 1, ListBit(o.Field(16)));
    w.Bits(0x0230, 6, 1, CheckBoxBit(o.Field(17)));
    w.Bits(0x0230, 7, 1, CheckBoxBit(o.Field(18)));

    w.Bits(0x0231, 0, 1, ListBit(o.Field(19)));
    for (int i = 1; i <= 4; ++i) w.Bits(0x0231, i, 1, CheckBoxBit(r.OptionBytesB[static_cast<std::size_t>(i)]));
    w.Bits(0x0231, 5, 1, 0);
    w.Bits(0x0231, 6, 1, CheckBoxBit(o.Field(31)));
    w.Bits(0x0231, 7, 1, CheckBoxBit(r.TailWord1));

    w.Byte(0x0232, o.Field(20));
    w.Byte(0x0233, r.OptionBytesA[2]);
    w.Byte(0x0234, o.Field(21));
    w.Byte(0x0236, d.SendTime);
    for (int k = 23; k <= 27; ++k) w.Byte(0x0237 + k - 23, o.Field(k));

    w.Bits(0x023C, 0, 1, CheckBoxBit(o.Field(28)));
    w.Bits(0x023C, 1, 1, CheckBoxBit(o.Field(29)));
    w.Bits(0x023C, 2, 1, 0);
    w.Bits(0x023C, 3, 1, CheckBoxBit(o.Field(30)));
    // Only bit 4 of the tail byte comes back from the radio: it is the repeater-mute box.
    w.Bits(0x023C, 4, 4, CheckBoxBit(r.TailByte));

    w.Byte(0x023D, r.OptionBytesA[3]);
    w.Byte(0x023E, r.OptionBytesA[4]);
    w.Byte(0x023F, r.OptionBytesA[5]);
    w.Byte(0x0240, o.Field(34));
    w.Byte(0x0241, o.Field(32));
    w.Byte(0x0242, o.Field(36));
    w.Byte(0x0243, o.Field(35));
    w.Byte(0x0244, o.Field(33));
    w.Byte(0x0245, o.Field(37));
    // A negative link word has no place in the radio (its remainder is negative).
    for (int i = 0; i < 10; ++i) w.Byte(0x0246 + i, o.BankLink[static_cast<std::size_t>(i)] % 2);

    const std::string text = o.RadioText.Trimmed();
    for (int i = 0; i < kOptionTextWidth; ++i)
        w.Byte(kOptionText + i, i < static_cast<int>(text.size()) ? static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)]) : 0x00);

    return FinishEncoder(s, w, "SetCommDataByOptionError", m);
}

void GetCommDataByOption(AppState& s) {
    const auto img = ImageOf(s);
    RadioData& r = s.CurRadioData;
    OptionData& o = r.Signal.Option;
    DTMFData& d = r.Signal.DTMF;
    const bool radioC = IsModel(s.RadioModelCode, "ZV853C");
    const bool radioD = IsModel(s.RadioModelCode, "ZV853D");
    auto byte = [&](int a) { return GetImageByte(img, a); };
    auto bit = [&](int a, int b) { return static_cast<std::int16_t>(GetImageBits(img, a, b, 1)); };

    for (int k = 1; k <= 7; ++k) o.Field(k) = byte(0x0220 + k - 1);
    r.TailWord2 = byte(0x0227);
    r.TailWord3 = byte(0x0228);
    for (int k = 8; k <= 12; ++k) o.Field(k) = byte(0x0229 + k - 8);

    std::uint8_t mode = byte(0x022F);
    if (mode > 5) mode = 0;
    if ((radioC || radioD) && mode == 5) mode = 0;
    else if (radioC && mode == 3) mode = 5;
    r.OptionBytesB[0] = mode;

    o.Field(13) = bit(0x0230, 0);
    o.Field(14) = bit(0x0230, 1);
    o.Field(15) = bit(0x0230, 2);
    d.AniMode = bit(0x0230, 3);
    r.OptionBytesA[1] = static_cast<std::uint8_t>(bit(0x0230, 4));
    o.Field(16) = bit(0x0230, 5);
    o.Field(17) = bit(0x0230, 6);
    o.Field(18) = bit(0x0230, 7);

    o.Field(19) = bit(0x0231, 0);
    for (int i = 1; i <= 4; ++i) r.OptionBytesB[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bit(0x0231, i));
    o.Field(31) = bit(0x0231, 6);
    r.TailWord1 = bit(0x0231, 7);

    int f20 = byte(0x0232);
    if (radioC || radioD) {
        f20 *= 6;
        if (f20 > 27) f20 = 24;
    }
    o.Field(20) = static_cast<std::int16_t>(f20);

    std::uint8_t b233 = byte(0x0233);
    if (b233 > 1) b233 = 0;
    if (radioC) r.TailByte = b233;
    else r.OptionBytesA[2] = b233;

    o.Field(21) = byte(0x0234);
    d.SendTime = byte(0x0236);
    for (int k = 23; k <= 27; ++k) o.Field(k) = byte(0x0237 + k - 23);

    o.Field(28) = bit(0x023C, 0);
    o.Field(29) = bit(0x023C, 1);
    o.Field(30) = bit(0x023C, 3);
    if (!radioC) r.TailByte = static_cast<std::uint8_t>(bit(0x023C, 4));

    const std::uint8_t b23d = byte(0x023D);
    r.OptionBytesA[3] = b23d > 99 ? 0 : b23d;
    const std::uint8_t b23e = byte(0x023E);
    r.OptionBytesA[4] = b23e > 15 ? 0 : b23e;
    r.OptionBytesA[5] = byte(0x023F);
    o.Field(34) = byte(0x0240);
    o.Field(32) = bit(0x0241, 0);
    o.Field(36) = bit(0x0242, 0);
    o.Field(35) = byte(0x0243);
    o.Field(33) = bit(0x0244, 0);
    o.Field(37) = bit(0x0245, 0);
    for (int i = 0; i < 10; ++i) o.BankLink[static_cast<std::size_t>(i)] = bit(0x0246 + i, 0);

    o.RadioText.SetNulTerminated(GetText(img, kOptionText, kOptionTextWidth));
}

}  // namespace rp
