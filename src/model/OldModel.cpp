#include "model/OldModel.h"

#include <algorithm>
#include <cstdint>

#include "model/Banks.h"
#include "model/ModelTable.h"
#include "model/NewData.h"
#include "model/OldRecordIo.h"
#include "model/Values.h"

namespace rp {

std::array<std::uint8_t, kOldMainRecordSize> EncodeOldMainRecord(const OldRadioData& r) {
    return EncodeRecord<kOldMainRecordSize>(r);
}

std::optional<OldRadioData> DecodeOldMainRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kOldMainRecordSize) return std::nullopt;
    return DecodeRecord<OldRadioData>(bytes);
}

void CopyOldModeByte(std::uint8_t& target, std::uint8_t source, std::string_view model) {
    if (model == "ZV853C") target = source == 3 ? 5 : source;
    else if (model == "ZV853D") target = source;
}

void CopyOldChRec(ChannelData& target, const OldChannelData& source) {
    target.ChannelNo = source.ChannelNo;
    target.Used = source.Used;
    target.ScanFlag = source.ScanFlag;
    target.RxFreq = source.RxFreq;
    target.OffsetFreq = source.OffsetFreq;
    target.Name = source.Name;
    constexpr int kExtraFlagField = 37;
    for (int k = 7; k < 7 + ChannelData::kIntRun; ++k)
        if (k != kExtraFlagField) target.IntField(k) = source.IntField(k);
    target.SpareText = source.SpareText;
    target.ExtraFlag = 1;
    target.SquelchLevel = 3;
    target.TwoToneDecodeNo = 0;
}

std::int16_t& OptionInteger(OptionData& o, int i) {
    if (i < OptionData::kWordCount) return o.Field(i + 1);
    return o.BankLink.at(static_cast<std::size_t>(i - OptionData::kWordCount));
}

void CopyOldSetRec(OptionData& target, const OldOptionData& source) {
    const auto& w = source.Words;
    for (int i = 0; i <= 6; ++i) OptionInteger(target, i) = w[i];
    // Older words 7 and 8 live outside the option record now (TailWord2/3).
    for (int i = 7; i <= 18; ++i) OptionInteger(target, i) = w[i + 2];
    // The older radio counted this setting in steps six times as long.
    OptionInteger(target, 19) = ClampInt16(static_cast<long long>(w[21]) * 6);
    for (int i = 20; i <= 29; ++i) OptionInteger(target, i) = w[i + 2];
    target.RadioText = source.RadioText;
}

void CopyOldBlock(TwoToneData& target, const OldTwoToneData& source) {
    target.Encode = source.Encode;
    target.List = source.List;
}

}  // namespace rp

namespace rp {

bool OldRecordUsable(const OldRadioData& r) {
    const long long scaled = static_cast<long long>(r.Signal.Option.Words[21]) * 6;
    return r.ChannelCount >= 0 && r.ChannelCount <= kMaxChannels && r.BandIndex >= 0 && r.BandIndex <= 7 &&
           IsOldModelCode(r.ModelCode.View()) && scaled >= INT16_MIN && scaled <= INT16_MAX;
}

void ConvertOldData(RadioData& target, ChannelArray& channels, const OldRadioData& old,
                    const ChannelArray& oldChannels, std::string_view model) {
    target.BandIndex = old.BandIndex;
    target.Signal.Alert = old.Signal.Alert;
    target.Signal.DTMF = old.Signal.DTMF;

    InitSpecialData(target);
    target.TailWord2 = old.Signal.Option.Words[7];
    target.TailWord3 = old.Signal.Option.Words[8];
    CopyOldSetRec(target.Signal.Option, old.Signal.Option);

    target.Signal.Scan = old.Signal.Scan;

    Init5ToneData(target);
    CopyOldBlock(target.Signal.TwoTone, old.Signal.TwoTone);
    target.Signal.FiveTone = old.Signal.FiveTone;

    target.ChannelCount = old.ChannelCount;
    for (std::size_t i = 0; i < channels.size(); ++i) CopyOldChRec(channels[i], oldChannels[i]);

    target.FMRadioList = old.FMRadioList;
    std::copy_n(old.CommBookList.begin(), target.CommBookList.size(), target.CommBookList.begin());
    target.OptionBytesA = old.OptionBytesA;
    target.AMList = old.AMList;
    CopyOldModeByte(target.OptionBytesB[0], old.OptionBytesB[0], model);
    std::copy(old.OptionBytesB.begin() + 1, old.OptionBytesB.end(), target.OptionBytesB.begin() + 1);
    target.MSK = old.MSK;
    // The older record carries both frequency texts; dropping them would lose the user's values.
    target.SWFreq = old.SWFreq;
    target.LWFreq = old.LWFreq;

    ClearBankData(target);
    target.TailWord1 = 0;
    target.TailByte = old.TailByte;
    target.ModelCode = kCurrentModelCode;
}

}  // namespace rp
