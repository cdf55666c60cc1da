// The channel dialog's plain mappings: what it shows for a record, how its values are stored,
// and the rules between its controls. Runs under the sanitizers too (hostile records).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/AppState.h"
#include "model/Banks.h"
#include "mappings/ChannelEditMap.h"
#include "model/ChannelOps.h"
#include "model/Repairs.h"
#include "model/Values.h"

using namespace rp;

namespace {

std::string Fre(const char* mhz) { return FormatPadded(*ParseScaled(mhz, 5, RoundMode::Truncate), 9); }

ChannelData Channel(int number, const char* mhz) {
    ChannelData c;
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.RxFreq = Fre(mhz);
    c.OffsetFreq = "000000000";
    c.Name = "";
    c.SpareText = "00000";
    c.CustomCTCSS = 1511;
    c.SquelchLevel = 3;
    c.ExtraFlag = 1;
    return c;
}

struct ChannelEditMapTest : ::testing::Test {
    AppState st;
    std::vector<std::pair<std::string, int>> said;
    MessageBoxFn say = [this](const std::string& t, int style) { said.emplace_back(t, style); };

    void SetUp() override {
        st.LangText = [](int id) { return "T" + std::to_string(id); };
        Add(Channel(1, "145.0"));
        Add(Channel(2, "146.0"));
    }
    void Add(const ChannelData& c) { st.ChannelTable[st.CurRadioData.ChannelCount++] = c; }
    ChannelEditLists Lists() const { return BuildChannelEditLists(st); }
    // The dialog's load: the edit copies, then what it shows.
    ChannelEditView Load(int number) {
        LoadEditChannel(st, number);
        return ShowChannelData(st, Lists(), number, st.EditChannel, st.EditBankTable);
    }
    ChannelEditView ShowRecord(const ChannelData& rec) {
        return ShowChannelData(st, Lists(), rec.ChannelNo, rec, st.CurRadioData.BankTable);
    }
    ChannelStoreResult Store(int number, const ChannelEditValues& v) {
        return StoreChannelEdit(st, Lists(), number, v, say);
    }
    const ChannelData* Find(int number) const {
        const int slot = FindFreIndex(st, number);
        return slot < 0 ? nullptr : &st.ChannelTable[slot];
    }
};

TEST_F(ChannelEditMapTest, MissingChannelShowsAnEmptyNewChannel) {
    const ChannelEditView view = Load(5);
    const ChannelEditValues& v = view.Values;
    EXPECT_EQ(v.RxText, "");
    EXPECT_EQ(v.TxText, "");
    EXPECT_EQ(v.OffsetText, "0.00000");
    EXPECT_EQ(v.Shift, 0);
    for (const auto& c : v.NameChars) EXPECT_EQ(c, "");
    EXPECT_EQ(v.DecKind, 0);
    EXPECT_EQ(v.EncKind, 0);
    EXPECT_EQ(v.CustomCtcss, "151.1");
    EXPECT_EQ(v.PttIdCode, "00000");
    EXPECT_EQ(v.SquelchLevel, 3);
    EXPECT_EQ(v.OffsetMode, 1);
    EXPECT_EQ(view.IdListShown, -1);
    EXPECT_FALSE(view.DecCtcssShown || view.DecDcsShown || view.EncCtcssShown || view.EncDcsShown);
    EXPECT_FALSE(view.ValueControlsEnabled);  // only the RX box until a frequency is typed
    EXPECT_EQ(v.Banks, (BankList{true, false, false, false, false, false, false, false, false}));
    // Only the edit copy holds the default bank until OK.
    EXPECT_EQ(BankPosIn(st.CurRadioData.BankTable, 5, 1), 0);
}

TEST_F(ChannelEditMapTest, BanksByChannelKind) {
    EXPECT_EQ(Load(190).Values.Banks, BankList{});  // 181 .. 200 have no default bank
    const ChannelEditView pl = Load(201);
    EXPECT_FALSE(pl.BanksShown);
    EXPECT_TRUE(pl.NameShown);
    const ChannelEditView vfo = Load(206);
    EXPECT_FALSE(vfo.BanksShown);
    EXPECT_FALSE(vfo.NameShown);
}

TEST_F(ChannelEditMapTest, ShowsFrequenciesAndTextsAsTheDialogWritesThem) {
    struct Case { const char* rx; const char* offset; int shift; const char* wantTx; };
    const Case cases[] = {
        {"436.125", "000500000", 2, "441.12500"},
        {"436.125", "000500000", 1, "431.12500"},
        {"145.0", "000060000", 0, "145.00000"},
        {"439.99375", "000005625", 2, "440.05000"},  // exact in 10 Hz units
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rx);
        ChannelData rec = Channel(3, c.rx);
        rec.OffsetFreq = c.offset;
        rec.Shift = static_cast<std::int16_t>(c.shift);
        const ChannelEditValues v = ShowRecord(rec).Values;
        EXPECT_EQ(v.TxText, c.wantTx);
    }
    ChannelData rec = Channel(3, "436.125");
    rec.OffsetFreq = "000500000";
    EXPECT_EQ(ShowRecord(rec).Values.RxText, "436.12500");
    EXPECT_EQ(ShowRecord(rec).Values.OffsetText, "5.00000");
}

TEST_F(ChannelEditMapTest, ShowsListValuesThroughTheirOwnRules) {
    struct Case { int extra, item; };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{3, 0}, Case{4, 3}, Case{10, 9}, Case{11, 0}, Case{-1, 0}}) {
        ChannelData rec = Channel(3, "145.0");
        rec.Spare5 = static_cast<std::int16_t>(c.extra);
        EXPECT_EQ(ShowRecord(rec).Values.ExtraDisplay, c.item) << "extra display " << c.extra;
    }
    struct Tone { int tenths; const char* text; };
    // The record holds the radio's 16-bit word: -1 is the erased word FF FF.
    for (const Tone t : {Tone{670, "67.0"}, Tone{0, ".0"}, Tone{5, ".5"}, Tone{-1, "6553.5"}, Tone{1511, "151.1"},
                         Tone{32767, "3276.7"}, Tone{-32768, "3276.8"}}) {
        ChannelData rec = Channel(3, "145.0");
        rec.CustomCTCSS = static_cast<std::int16_t>(t.tenths);
        EXPECT_EQ(ShowRecord(rec).Values.CustomCtcss, t.text);
    }
    ChannelData rec = Channel(3, "145.0");
    rec.Power = 2;
    EXPECT_EQ(ShowRecord(rec).Values.Power, 0);
    rec.Name = "AB C";
    const ChannelEditValues v = ShowRecord(rec).Values;
    EXPECT_EQ(v.NameChars, (std::array<std::string, 6>{"A", "B", " ", "C", "", ""}));
}

TEST_F(ChannelEditMapTest, ShowsTheStateItsHandlersLeaveInTheirOrder) {
    ChannelData rec = Channel(3, "145.0");
    rec.Reverse = 1;
    rec.TalkAround = 1;
    rec.DTMFPttId = 2;
    rec.FiveTonePttId = 3;
    const ChannelEditValues v = ShowRecord(rec).Values;
    EXPECT_EQ(v.Reverse, 0);  // talk-around is set last and unticks reverse
    EXPECT_EQ(v.TalkAround, 1);
    EXPECT_EQ(v.DtmfPttId, 0);  // the 5-Tone PTT ID is set last and resets the DTMF one
    EXPECT_EQ(v.FiveTonePttId, 3);
}

TEST_F(ChannelEditMapTest, SquelchModesFollowToneKindSignallingAndReverse) {
    EXPECT_EQ(OfferedSquelchModes(0, false), (std::vector<int>{0}));
    EXPECT_EQ(OfferedSquelchModes(0, true), (std::vector<int>{0, 2}));
    EXPECT_EQ(OfferedSquelchModes(1, false), (std::vector<int>{0, 1}));
    EXPECT_EQ(OfferedSquelchModes(2, true), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(OfferedSquelchModes(255, true), (std::vector<int>{0, 2}));

    ChannelData rec = Channel(3, "145.0");
    rec.DecToneType = 1;
    rec.SquelchMode = 1;
    ChannelEditView view = ShowRecord(rec);
    EXPECT_EQ(view.SquelchOffered, (std::vector<int>{0, 1}));
    EXPECT_EQ(view.Values.SquelchMode, 1);
    rec.Reverse = 1;  // the encode side (none) governs: the mode falls back
    view = ShowRecord(rec);
    EXPECT_EQ(view.SquelchOffered, (std::vector<int>{0}));
    EXPECT_EQ(view.Values.SquelchMode, 0);
    rec.Reverse = 0;
    rec.SquelchMode = 3;  // not offered without signalling
    EXPECT_EQ(ShowRecord(rec).Values.SquelchMode, 0);
}

TEST_F(ChannelEditMapTest, EntryListsShowUsedEntriesAndFallBack) {
    auto& sig = st.CurRadioData.Signal;
    sig.TwoTone.List.fill({});
    for (auto& e : sig.TwoTone.List) e.EmptyFlag = 1;
    sig.TwoTone.List[0].EmptyFlag = 0;  // listed as 0
    sig.TwoTone.List[4].EmptyFlag = 0;
    sig.TwoTone.Decode[0].Valid = 1;  // listed as 1
    sig.TwoTone.Decode[2].Valid = 1;
    const ChannelEditLists lists = Lists();
    EXPECT_EQ(lists.TwoToneEntries, (std::vector<std::string>{"0", "4"}));
    EXPECT_EQ(lists.TwoToneDecode, (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(lists.Ctcss.size(), 52u);
    EXPECT_EQ(lists.Ctcss.back(), "T4031");
    ASSERT_EQ(lists.Dcs.size(), 512u);
    EXPECT_EQ(lists.Dcs[83], "123");
    EXPECT_EQ(lists.OptSig.size(), 5u);
    st.CurModelCode = "6173USA";
    EXPECT_EQ(Lists().OptSig.size(), 4u);

    ChannelData rec = Channel(3, "145.0");
    rec.SignalType = 2;
    rec.TwoToneNo = 4;
    rec.TwoToneDecodeNo = 2;
    ChannelEditView view = ShowRecord(rec);
    EXPECT_EQ(view.IdListShown, 1);
    EXPECT_EQ(view.Values.IdIndex[1], 1);
    EXPECT_EQ(view.Values.TwoToneDecode, 1);
    EXPECT_TRUE(view.TwoToneDecodeEnabled);
    rec.TwoToneNo = 7;         // no longer used: the first used entry
    rec.TwoToneDecodeNo = 40;  // likewise
    view = ShowRecord(rec);
    EXPECT_EQ(view.Values.IdIndex[1], 0);
    EXPECT_EQ(view.Values.TwoToneDecode, 0);

    // MSK on a model without it: the list shows no signalling, the entry list follows the record.
    rec.SignalType = 4;
    view = ShowRecord(rec);
    EXPECT_EQ(view.Values.OptSig, 0);
    EXPECT_EQ(view.IdListShown, 3);
    EXPECT_EQ(view.Values.IdIndex[3], -1);  // no MSK entry in use: nothing chosen
}

// Every field the dialog reads holds a value no list has.
TEST_F(ChannelEditMapTest, HostileRecordsShowItemZeroAndStoreSafely) {
    for (const int bad : {-1, 255, 32767, -32768}) {
        SCOPED_TRACE(bad);
        ChannelData rec;
        rec.ChannelNo = 3;
        for (int k = 7; k < 7 + ChannelData::kIntRun; ++k) rec.IntField(k) = static_cast<std::int16_t>(bad);
        rec.Used = rec.ScanFlag = rec.SquelchLevel = rec.TwoToneDecodeNo = static_cast<std::int16_t>(bad);
        rec.RxFreq = Fre("145.0");
        rec.OffsetFreq = "\xff\xff\xff\xff\xff\xff\xff\xff\xff";
        rec.Name.Bytes.fill('\xff');
        rec.SpareText.Bytes.fill('\x7f');
        st.ChannelTable[0] = rec;
        st.CurRadioData.ChannelCount = 1;
        std::vector<std::string> notNumeric;
        const ChannelEditLists lists = Lists();
        const ChannelEditView view = ShowChannelData(st, lists, 3, rec, st.CurRadioData.BankTable,
                                                     [&](const std::string& t) { notNumeric.push_back(t); });
        const ChannelEditValues& v = view.Values;
        EXPECT_EQ(notNumeric, std::vector<std::string>{"Not IsNumeric"});
        EXPECT_EQ(v.OffsetText, "0.00000");
        EXPECT_EQ(v.TxText, "145.00000");
        for (int item : {v.Shift, v.Step, v.Bandwidth, v.Power, v.OptSig, v.DecKind, v.EncKind, v.Scrambler,
                         v.DtmfPttId, v.FiveTonePttId, v.SquelchMode, v.ExtraDisplay, v.BusyLock, v.SquelchLevel,
                         v.OffsetMode})
            EXPECT_EQ(item, 0);
        const int tick = bad > 0 ? 1 : 0;
        EXPECT_EQ(v.TxInhibit, tick);
        EXPECT_EQ(v.TalkAround, tick);
        EXPECT_EQ(v.Reverse, 0);
        EXPECT_EQ(view.IdListShown, -1);
        EXPECT_FALSE(view.DecCtcssShown || view.DecDcsShown);

        // Each value a hostile record could bring into the dialog, stored back.
        ChannelEditValues w = v;
        w.DecKind = 1;
        w.DecCtcss = 51;
        w.IdIndex = {-1, 99, 99, 99};
        w.TwoToneDecode = 99;
        const ChannelStoreResult r = StoreChannelEdit(st, lists, 3, w, say);
        EXPECT_EQ(r.Outcome, ChannelStoreOutcome::Stored);
        const ChannelData& out = st.ChannelTable[0];
        EXPECT_EQ(out.DecCTCSSIndex, 51);
        EXPECT_EQ(out.TwoToneNo, 0);
        EXPECT_EQ(out.TwoToneDecodeNo, 0);
        EXPECT_EQ(out.CustomCTCSS, 1511);  // 3276.7 is no tone
    }
}

TEST_F(ChannelEditMapTest, StoresShiftAndOffsetFromTheTxFrequency) {
    struct Case { const char* tx; int shift; const char* offset; };
    const Case cases[] = {
        {"145.6", 2, "000060000"}, {"144.4", 1, "000060000"}, {"145", 0, "000000000"},
        {"", 0, "000000000"},  // an empty TX box is simplex
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tx);
        said.clear();
        ChannelEditValues v = ShowRecord(*Find(1)).Values;
        v.RxText = "145";
        v.TxText = c.tx;
        v.Shift = 1;               // what the hidden controls held does not count
        v.OffsetText = "9.00000";
        const ChannelStoreResult r = Store(1, v);
        EXPECT_EQ(r.Outcome, ChannelStoreOutcome::Stored);
        EXPECT_EQ(Find(1)->Shift, c.shift);
        EXPECT_EQ(Find(1)->OffsetFreq.Str(), c.offset);
        EXPECT_EQ(Find(1)->RxFreq.Str(), "014500000");
        EXPECT_TRUE(said.empty());
    }
}

TEST_F(ChannelEditMapTest, OutOfBandTxIsClampedWithTheMessage) {
    ChannelEditValues v = Load(1).Values;
    v.TxText = "x";
    Store(1, v);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], (std::pair<std::string, int>{"T2001", MsgStyle::Exclamation}));
    EXPECT_EQ(Find(1)->Shift, 2);  // TX 400 above RX 145
    EXPECT_EQ(Find(1)->OffsetFreq.Str(), "025500000");
}

TEST_F(ChannelEditMapTest, StoresNameCodesTonesAndLists) {
    ChannelEditValues v = Load(1).Values;
    v.NameChars = {"A", "", "B", "", "", ""};
    v.PttIdCode = "7";
    v.CustomCtcss = "300";
    v.ExtraDisplay = 3;
    ChannelStoreResult r = Store(1, v);
    EXPECT_EQ(Find(1)->Name.Str(), "A B   ");
    EXPECT_EQ(Find(1)->SpareText.Str(), "70000");
    EXPECT_EQ(r.PttIdCode, "70000");
    EXPECT_EQ(r.CustomCtcss, "151.1");
    EXPECT_EQ(Find(1)->CustomCTCSS, 1511);
    EXPECT_EQ(Find(1)->Spare5, 4);
    v.CustomCtcss = "88.5";
    v.PttIdCode = "";
    Store(1, v);
    EXPECT_EQ(Find(1)->CustomCTCSS, 885);
    EXPECT_EQ(Find(1)->SpareText.Str(), "00000");
}

TEST_F(ChannelEditMapTest, PttIdFlagIsWrittenOnlyWhenAdding) {
    ChannelData& one = st.ChannelTable[0];
    one.Spare4 = 0;
    ChannelEditValues v = Load(1).Values;
    v.PttIdFlag = 1;
    Store(1, v);
    EXPECT_EQ(Find(1)->Spare4, 0);

    v = Load(7).Values;
    v.RxText = "146.5";
    v.PttIdFlag = 1;
    const int before = st.CurRadioData.ChannelCount;
    EXPECT_EQ(Store(7, v).Outcome, ChannelStoreOutcome::Stored);
    EXPECT_EQ(st.CurRadioData.ChannelCount, before + 1);
    EXPECT_EQ(st.ChannelTable[before].ChannelNo, 7);  // appended at the end
    EXPECT_EQ(st.ChannelTable[before].Spare4, 1);
    EXPECT_EQ(st.ChannelTable[before].Used, 1);
    EXPECT_EQ(GetChBankStr(st, 7), "1");  // the default bank ticked at load
}

TEST_F(ChannelEditMapTest, ShowThenStoreKeepsTheRecord) {
    auto& sig = st.CurRadioData.Signal;
    for (auto& e : sig.TwoTone.List) e.EmptyFlag = 1;
    sig.TwoTone.List[9].EmptyFlag = 0;
    sig.TwoTone.Decode[5].Valid = 1;
    ChannelData rec = Channel(9, "436.125");
    rec.OffsetFreq = "000500000";
    rec.Shift = 1;
    rec.Name = "RPT 9A";
    rec.StepIndex = 5;
    rec.Bandwidth = 1;
    rec.Power = 1;
    rec.DecToneType = 1;
    rec.DecCTCSSIndex = 51;
    rec.EncToneType = 2;
    rec.EncDCSCode = 83;
    rec.EncDCSInvert = 1;
    rec.SignalType = 2;
    rec.TwoToneNo = 9;
    rec.TwoToneDecodeNo = 5;
    rec.Scrambler = 1;
    rec.FiveTonePttId = 2;
    rec.SquelchMode = 4;
    rec.Spare5 = 7;
    rec.BusyLockout = 2;
    rec.SquelchLevel = 8;
    rec.ExtraFlag = 0;
    rec.TxInhibit = rec.TalkAround = rec.Compander = rec.ScanFlag = rec.Spare7 = 1;
    rec.SpareText = "12345";
    rec.CustomCTCSS = 885;
    rec.Spare4 = 1;   // kept: only adding writes it
    rec.Spare6 = 77;  // not the dialog's: kept
    Add(rec);
    const ChannelEditValues v = Load(9).Values;
    EXPECT_EQ(Store(9, v).Outcome, ChannelStoreOutcome::Stored);
    EXPECT_EQ(*Find(9), rec);
    EXPECT_TRUE(said.empty());
}

TEST_F(ChannelEditMapTest, EmptyRxDeletesClearsOrRefuses) {
    ChannelEditValues v = Load(2).Values;
    v.RxText = "";
    EXPECT_EQ(Store(2, v).Outcome, ChannelStoreOutcome::Deleted);
    EXPECT_EQ(Find(2), nullptr);

    v = Load(1).Values;
    v.RxText = "";
    EXPECT_EQ(Store(1, v).Outcome, ChannelStoreOutcome::DeleteRefused);
    EXPECT_NE(Find(1), nullptr);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].first, "Must retain the one channels!");

    for (int vfo : {205, 206}) {
        said.clear();
        Add(Channel(vfo, "145.5"));
        v = Load(vfo).Values;
        v.RxText = "";
        EXPECT_EQ(Store(vfo, v).Outcome, ChannelStoreOutcome::Refused);
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].first, "VFO can't be null!");
        EXPECT_NE(Find(vfo), nullptr);
    }
    v = Load(201).Values;  // no record, nothing typed: nothing stored
    EXPECT_EQ(Store(201, v).Outcome, ChannelStoreOutcome::NothingStored);
    EXPECT_EQ(Find(201), nullptr);
}

TEST_F(ChannelEditMapTest, RxThatIsNotANumberIsRefused) {
    Add(Channel(3, "147.0"));
    const ChannelData before = *Find(3);
    const BankArray banks = st.CurRadioData.BankTable;
    for (const char* text : {"145.5.1", ".", "abc"}) {
        said.clear();
        ChannelEditValues v = Load(3).Values;
        v.RxText = text;
        v.Banks.fill(true);
        EXPECT_EQ(Store(3, v).Outcome, ChannelStoreOutcome::Refused);
        EXPECT_EQ(*Find(3), before);
        EXPECT_EQ(st.CurRadioData.BankTable, banks);
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0], (std::pair<std::string, int>{"T2010", 48}));
    }
}

TEST_F(ChannelEditMapTest, BankTicksFollowFreeSlots) {
    Add(Channel(45, "145.5"));
    ChannelEditValues v = Load(45).Values;
    EXPECT_EQ(v.Banks, BankList{});  // an existing channel keeps its banks: none here
    EXPECT_TRUE(CanAddToEditBank(st, 45, 3));
    v.Banks[2] = true;
    Store(45, v);
    EXPECT_EQ(GetChBankStr(st, 45), "3");

    for (int p = 0; p < kBankPlaces; ++p) st.CurRadioData.BankTable[4][p] = static_cast<std::int16_t>(100 + p);
    v = Load(45).Values;
    EXPECT_FALSE(CanAddToEditBank(st, 45, 5));  // the dialog takes such a tick off again
    EXPECT_TRUE(CanAddToEditBank(st, 45, 3));   // a bank that holds the channel keeps it
    v.Banks[4] = true;
    Store(45, v);
    EXPECT_EQ(GetChBankStr(st, 45), "3");
    v.Banks[2] = false;
    Store(45, v);
    EXPECT_EQ(GetChBankStr(st, 45), "");
}

TEST_F(ChannelEditMapTest, CaptionsComeFromTheLanguage) {
    const ChannelEditCaptions c = BuildChannelEditCaptions(st);
    EXPECT_EQ(c.Title, "T1300");
    EXPECT_EQ(c.Label2[5], "T1107 T1112");
    EXPECT_EQ(c.Label2[10], "T1107 T1113");
    EXPECT_EQ(c.Label2[17], "Offset");
    EXPECT_EQ(c.Label2[11], "");
    EXPECT_EQ(c.OK, "T101");
    const ChannelEditLists l = Lists();
    EXPECT_EQ(l.ExtraDisplay.size(), 10u);
    EXPECT_EQ(l.ExtraDisplay[3], "T1214");
    EXPECT_EQ(l.DtmfMemories.front(), "M1");
    EXPECT_EQ(l.Banks.back(), "Bank 9");
}

}  // namespace
