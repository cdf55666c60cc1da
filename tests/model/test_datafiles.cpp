#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/BandText.h"
#include "model/CommBook.h"
#include "model/DataFileCodec.h"
#include "model/DataFiles.h"
#include "model/ModelTable.h"
#include "model/NewData.h"
#include "model/OldModel.h"

using namespace rp;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

void WriteAll(const fs::path& p, const Bytes& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

AppState FreshState() {
    AppState st;
    st.NoInitFileFlag = true;
    st.LangText = [](int n) {
        if (n == 9033) return std::string("not a data file");
        return n == kNoChannelsFileText ? std::string("no channels in %1") : std::string();
    };
    NewData(st);
    return st;
}

// Working data with distinct values in places a shifted field would spoil.
AppState MarkedState(int channels) {
    AppState st = FreshState();
    st.CurRadioData.Signal.Option.RadioText = "MARKED-TEXT1";
    st.CurRadioData.CommBookList[79].Name = "LAST79";
    st.CurRadioData.TailWord3 = 0x1234;
    st.CurRadioData.ChannelCount = 0;
    for (int i = 0; i < channels; ++i) {
        ChannelData& c = st.ChannelTable[static_cast<std::size_t>(i)];
        c = ChannelData{};
        c.ChannelNo = static_cast<std::int16_t>(i < 200 ? 200 - i : i + 1);  // not in table order
        c.Used = 1;
        c.RxFreq = "043512500";
        c.Name = "CH" + std::to_string(i);
        c.SquelchLevel = static_cast<std::int16_t>(i % 10);
        c.TwoToneDecodeNo = static_cast<std::int16_t>(i % 16);
    }
    st.CurRadioData.ChannelCount = static_cast<std::int16_t>(channels);
    return st;
}

// What a refused or failed open must leave exactly as it was.
struct Snapshot {
    explicit Snapshot(const AppState& s)
        : cur(s.CurRadioData), file(s.FileRadioData), table(s.ChannelTable), fileTable(s.FileChannelTable),
          name(s.DataFileName), isNew(s.IsNewData), model(s.CurModelCode), band(s.CurBandIndex) {}
    bool operator==(const Snapshot&) const = default;
    RadioData cur, file;
    ChannelArray table, fileTable;
    std::string name;
    int isNew;
    std::string model;
    int band;
};

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "rp_datafiles_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string P(const std::string& name) const { return (dir / name).string(); }

    // A saved pair whose main record is then patched by edit.
    template <class F> std::string SavedWith(const std::string& name, F edit, int channels = 3) {
        AppState st = MarkedState(channels);
        EXPECT_TRUE(SaveDataFile(st, P(name)).Ok());
        RadioData r = st.FileRadioData;
        edit(r);
        const auto b = EncodeMainRecord(r);
        WriteAll(P(name), Bytes(b.begin(), b.end()));
        return P(name);
    }

    void ExpectRefusedUnchanged(const std::string& path) {
        AppState st = MarkedState(5);
        st.DataFileName = "keep.dat";
        st.CurRadioData.TailWord1 = 77;  // an unsaved change that must survive
        const Snapshot before(st);
        const FileResult r = OpenDataFile(st, path);
        EXPECT_EQ(r.Status, FileStatus::Refused) << path;
        EXPECT_EQ(r.LangTextNo, 9033);
        EXPECT_EQ(r.Message, "not a data file");
        EXPECT_TRUE(Snapshot(st) == before) << path;
    }

    fs::path dir;
};

}  // namespace

TEST(DataFileNames, ChannelFileNameReplacesTheLastThreeCharacters) {
    const struct { std::string data, fre; } cases[] = {
        {"/a/b/radio.dat", "/a/b/radio.fre"},
        {"RADIO.DAT", "RADIO.fre"},
        {"x.data", "x.dfre"},
        {"/d/caf\xC3\xA9.d\xC3\xA9t", "/d/caf\xC3\xA9.fre"},  // characters, not bytes
        {"ab", "fre"},
        {"/d/ab", "/d/fre"},  // never the folder's name
    };
    for (const auto& c : cases) EXPECT_EQ(GetFreFileName(c.data), c.fre) << c.data;
}

TEST(DataFileNames, BandTexts) {
    EXPECT_EQ(GetBandRangeStr(0), "UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    EXPECT_EQ(GetBandRangeStr(7), "UHF(446 - 447 MHz) VHF(144 - 148 MHz)");
    EXPECT_EQ(GetBandRangeStr(8), "");
}

TEST_F(DataFiles, SaveThenOpenGivesTheSameRecordsAndTheSameBytes) {
    AppState st = MarkedState(206);
    st.CurBandIndex = 3;
    ASSERT_TRUE(SaveDataFile(st, P("a.dat")).Ok());
    EXPECT_EQ(st.DataFileName, P("a.dat"));
    EXPECT_EQ(st.IsNewData, 0);
    EXPECT_EQ(fs::file_size(P("a.dat")), 12275u);
    EXPECT_EQ(fs::file_size(P("a.fre")), 206u * 113u);

    AppState back = FreshState();
    const FileResult r = OpenDataFile(back, P("a.dat"));
    ASSERT_TRUE(r.Ok()) << r.Message;
    EXPECT_TRUE(r.Warnings.empty());
    EXPECT_EQ(back.CurRadioData, st.CurRadioData);
    EXPECT_EQ(back.FileRadioData, st.FileRadioData);
    for (int i = 0; i < 206; ++i) ASSERT_EQ(back.ChannelTable[i], st.ChannelTable[i]) << i;
    EXPECT_EQ(back.CurBandIndex, 3);
    EXPECT_EQ(back.CurBandText, GetBandRangeStr(3));
    EXPECT_EQ(back.RxBandLow[0], 430.0);
    EXPECT_EQ(back.DataFileName, P("a.dat"));
    EXPECT_EQ(back.IsNewData, 0);

    ASSERT_TRUE(SaveDataFile(back, P("b.dat")).Ok());
    EXPECT_EQ(ReadAll(P("a.dat")), ReadAll(P("b.dat")));
    EXPECT_EQ(ReadAll(P("a.fre")), ReadAll(P("b.fre")));
}

TEST_F(DataFiles, SavingOverALongerFileLeavesExactlyTheNewContent) {
    WriteAll(P("big.dat"), Bytes(20000, 0xAB));
    WriteAll(P("big.fre"), Bytes(206 * 113, 0xCD));
    AppState st = MarkedState(4);
    ASSERT_TRUE(SaveDataFile(st, P("big.dat")).Ok());
    EXPECT_EQ(fs::file_size(P("big.dat")), 12275u);
    EXPECT_EQ(fs::file_size(P("big.fre")), 4u * 113u);
    // No temporary is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(DataFiles, AFailedSaveReportsAndChangesNothing) {
    AppState st = MarkedState(4);
    ASSERT_TRUE(SaveDataFile(st, P("a.dat")).Ok());
    const Bytes oldMain = ReadAll(P("a.dat"));
    st.CurRadioData.TailWord1 = 99;
    st.IsNewData = -1;
    const Snapshot before(st);
    // The channel file's place is taken by a folder, so it cannot be replaced.
    fs::remove(P("a.fre"));
    fs::create_directory(P("a.fre"));
    FileResult r = SaveDataFile(st, P("a.dat"));
    EXPECT_EQ(r.Status, FileStatus::FileError);
    EXPECT_EQ(r.Message, "file error.");
    EXPECT_TRUE(Snapshot(st) == before);
    EXPECT_EQ(ReadAll(P("a.dat")), oldMain);

    st.LanguageIndex = 2;
    r = SaveDataFile(st, P("no/such/folder/x.dat"));
    EXPECT_EQ(r.Message, "文件错误。");
    EXPECT_TRUE(Snapshot(st) == before);
}

TEST_F(DataFiles, ADataFileNamedLikeItsChannelFileIsNotSaved) {
    AppState st = MarkedState(2);
    EXPECT_EQ(SaveDataFile(st, P("odd.fre")).Status, FileStatus::FileError);
    EXPECT_FALSE(fs::exists(P("odd.fre")));
}

TEST_F(DataFiles, FilesOfOtherSizesAreRefused) {
    for (std::size_t n : {0u, 5u, 12274u, 12276u, 11871u, 20000u}) {
        const std::string p = P("size" + std::to_string(n) + ".dat");
        WriteAll(p, Bytes(n, 0));
        ExpectRefusedUnchanged(p);
    }
}

TEST_F(DataFiles, RecordsWithBadValuesAreRefused) {
    ExpectRefusedUnchanged(SavedWith("model.dat", [](RadioData& r) { r.ModelCode = "6173XYZ"; }));
    ExpectRefusedUnchanged(SavedWith("old.dat", [](RadioData& r) { r.ModelCode = "ZV853C"; }));
    ExpectRefusedUnchanged(SavedWith("count.dat", [](RadioData& r) { r.ChannelCount = 300; }));
    ExpectRefusedUnchanged(SavedWith("neg.dat", [](RadioData& r) { r.ChannelCount = -1; }));
    ExpectRefusedUnchanged(SavedWith("band.dat", [](RadioData& r) { r.BandIndex = 9; }));
}

// The model dialog can put the data under any model of the family; what is saved then must open.
TEST_F(DataFiles, DataSavedUnderEachModelOpenAgainUnderThatModel) {
    for (const auto code : kDataModelCodes) {
        AppState saved = MarkedState(4);
        saved.CurModelCode = std::string(code);
        const std::string path = P(std::string(code) + ".dat");
        ASSERT_TRUE(SaveDataFile(saved, path).Ok()) << code;

        AppState st = MarkedState(1);
        const FileResult r = OpenDataFile(st, path);
        ASSERT_TRUE(r.Ok()) << code << ": " << r.Message;
        EXPECT_EQ(st.CurModelCode, code);
        EXPECT_EQ(st.CurRadioData.ChannelCount, 4) << code;
        EXPECT_EQ(st.ChannelTable[3].Name.Str(), saved.ChannelTable[3].Name.Str()) << code;
    }
}

TEST_F(DataFiles, AMissingFileIsAFileErrorAndChangesNothing) {
    AppState st = MarkedState(3);
    const Snapshot before(st);
    const FileResult r = OpenDataFile(st, P("absent.dat"));
    EXPECT_EQ(r.Status, FileStatus::FileError);
    EXPECT_EQ(r.Message, "file error.");
    EXPECT_TRUE(Snapshot(st) == before);
    fs::create_directory(P("folder.dat"));
    EXPECT_EQ(OpenDataFile(st, P("folder.dat")).Status, FileStatus::FileError);
}

// A pipe or device where a file should be must not stall the program waiting for a writer.
TEST_F(DataFiles, AChannelFileThatIsAPipeIsAFileErrorNotAHang) {
    AppState src = MarkedState(3);
    ASSERT_TRUE(SaveDataFile(src, P("pipe.dat")).Ok());
    fs::remove(P("pipe.fre"));
    ASSERT_EQ(::mkfifo(P("pipe.fre").c_str(), 0600), 0);
    AppState st = MarkedState(5);
    const Snapshot before(st);
    EXPECT_EQ(OpenDataFile(st, P("pipe.dat")).Status, FileStatus::FileError);
    EXPECT_TRUE(Snapshot(st) == before);
    EXPECT_FALSE(LoadInitDataFile(st, P("pipe.fre")));
}

TEST_F(DataFiles, OlderRevisionGetsTailWordsThree) {
    AppState st = MarkedState(3);
    ASSERT_TRUE(SaveDataFile(st, P("rev.dat")).Ok());
    Bytes b = ReadAll(P("rev.dat"));
    b.resize(12271);
    WriteAll(P("rev.dat"), b);
    AppState back = FreshState();
    ASSERT_TRUE(OpenDataFile(back, P("rev.dat")).Ok());
    EXPECT_EQ(back.CurRadioData.TailWord2, 3);
    EXPECT_EQ(back.CurRadioData.TailWord3, 3);
    EXPECT_EQ(back.CurRadioData.Signal.Option.RadioText.Trimmed(), "MARKED-TEXT1");
    EXPECT_EQ(back.CurRadioData.ChannelCount, 3);
}

// A data file that counts channels is nothing without them: when its channel file is missing or
// gives none of them, the open is refused with a message naming that file, and the data open
// before stay.
TEST_F(DataFiles, DataFileWhoseChannelFileGivesNoChannelIsRefusedAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& fre)> damage;
        int channels = 10;  // the channel count the data file's record holds
    };
    const Case cases[] = {
        {"no channel file", [](const fs::path& f) { fs::remove(f); }},
        {"empty channel file", [](const fs::path& f) { WriteAll(f, {}); }},
        {"less than one record", [](const fs::path& f) { WriteAll(f, Bytes(112, 0)); }},
        {"only bad channel numbers", [](const fs::path& f) { WriteAll(f, Bytes(10 * 113, 0)); }},
        {"one channel counted, none there", [](const fs::path& f) { WriteAll(f, {}); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppState other = MarkedState(c.channels);
        other.CurModelCode = "6173USA";
        other.CurBandIndex = 5;
        ASSERT_TRUE(SaveDataFile(other, P("lone.dat")).Ok());
        c.damage(P("lone.fre"));

        AppState st = FreshState();
        ASSERT_TRUE(SaveDataFile(st, P("full.dat")).Ok());
        ASSERT_TRUE(OpenDataFile(st, P("full.dat")).Ok());
        st.CurRadioData.TailWord1 = 77;  // an unsaved change that must survive
        const Snapshot before(st);
        const FileResult r = OpenDataFile(st, P("lone.dat"));
        EXPECT_EQ(r.Status, FileStatus::Refused);
        EXPECT_EQ(r.LangTextNo, kNoChannelsFileText);
        EXPECT_EQ(r.Message, "no channels in " + P("lone.fre"));
        EXPECT_TRUE(r.Warnings.empty());
        EXPECT_TRUE(Snapshot(st) == before);
        EXPECT_GT(st.CurRadioData.ChannelCount, 0);
    }
}

// A radio read with no channel in use is saved as a record that counts none and an empty channel
// file: that pair opens again, with no channel, and so does the record alone or beside a channel
// file that still holds records the count does not take.
TEST_F(DataFiles, DataFileThatCountsNoChannelOpensWithNoChannel) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& fre)> change;
    };
    const Case cases[] = {
        {"as saved", [](const fs::path&) {}},
        {"no channel file", [](const fs::path& f) { fs::remove(f); }},
        {"records the count does not take",
         [](const fs::path& f) {
             AppState full = MarkedState(4);
             Bytes b;
             for (int i = 0; i < 4; ++i) {
                 const auto c = EncodeChannelRecord(full.ChannelTable[i]);
                 b.insert(b.end(), c.begin(), c.end());
             }
             WriteAll(f, b);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppState empty = MarkedState(0);
        empty.CurModelCode = "6173USA";
        empty.CurBandIndex = 5;
        ASSERT_TRUE(SaveDataFile(empty, P("empty.dat")).Ok());
        EXPECT_EQ(fs::file_size(P("empty.fre")), 0u);
        c.change(P("empty.fre"));

        AppState st = MarkedState(10);
        const FileResult r = OpenDataFile(st, P("empty.dat"));
        ASSERT_TRUE(r.Ok()) << r.Message;
        EXPECT_TRUE(r.Warnings.empty());
        EXPECT_EQ(st.CurRadioData.ChannelCount, 0);
        EXPECT_TRUE(st.ChannelTable == ChannelArray{});
        EXPECT_EQ(st.CurRadioData.Signal.Option.RadioText.Trimmed(), "MARKED-TEXT1");
        EXPECT_EQ(st.CurModelCode, "6173USA");
        EXPECT_EQ(st.CurBandIndex, 5);
        EXPECT_EQ(st.DataFileName, P("empty.dat"));
        EXPECT_EQ(st.IsNewData, 0);
        // And what it opened to is saved and opened once more.
        ASSERT_TRUE(SaveDataFile(st, P("again.dat")).Ok());
        AppState back = FreshState();
        ASSERT_TRUE(OpenDataFile(back, P("again.dat")).Ok());
        EXPECT_EQ(back.CurRadioData, st.CurRadioData);
    }
}

TEST_F(DataFiles, ShortChannelFileGivesTheRecordsThere) {
    AppState st = MarkedState(10);
    ASSERT_TRUE(SaveDataFile(st, P("short.dat")).Ok());
    Bytes fre = ReadAll(P("short.fre"));
    fre.resize(4 * 113 + 50);  // four whole records and part of a fifth
    WriteAll(P("short.fre"), fre);
    AppState back = FreshState();
    const FileResult r = OpenDataFile(back, P("short.dat"));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Warnings.size(), 1u);
    EXPECT_EQ(back.CurRadioData.ChannelCount, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(back.ChannelTable[i], st.ChannelTable[i]);
}

TEST_F(DataFiles, BadAndRepeatedChannelNumbersAreDroppedFirstKept) {
    AppState st = MarkedState(6);
    st.ChannelTable[1].ChannelNo = 0;
    st.ChannelTable[2].ChannelNo = 207;
    st.ChannelTable[4].ChannelNo = st.ChannelTable[0].ChannelNo;
    ASSERT_TRUE(SaveDataFile(st, P("dups.dat")).Ok());
    AppState back = FreshState();
    const FileResult r = OpenDataFile(back, P("dups.dat"));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Warnings.size(), 3u);
    ASSERT_EQ(back.CurRadioData.ChannelCount, 3);
    EXPECT_EQ(back.ChannelTable[0], st.ChannelTable[0]);
    EXPECT_EQ(back.ChannelTable[1], st.ChannelTable[3]);
    EXPECT_EQ(back.ChannelTable[2], st.ChannelTable[5]);
}

TEST_F(DataFiles, AChannelFileFullOfBadRecordsGivesAFewWarningsNotOnePerRecord) {
    AppState st = MarkedState(206);
    for (int i = 0; i < 206; ++i) st.ChannelTable[i].ChannelNo = static_cast<std::int16_t>(i < 100 ? 0 : 7);
    ASSERT_TRUE(SaveDataFile(st, P("junk.dat")).Ok());
    for (int lang : {1, 2}) {
        AppState back = FreshState();
        back.LanguageIndex = lang;
        const FileResult r = OpenDataFile(back, P("junk.dat"));
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(back.CurRadioData.ChannelCount, 1);  // the first channel 7
        ASSERT_EQ(r.Warnings.size(), 6u);
        EXPECT_NE(r.Warnings.back().find("200"), std::string::npos) << r.Warnings.back();
    }
}

TEST_F(DataFiles, ChannelFileIsFoundWhateverTheCaseOfItsEnding) {
    AppState st = MarkedState(5);
    ASSERT_TRUE(SaveDataFile(st, P("UP.DAT")).Ok());
    fs::rename(P("UP.fre"), P("UP.FRE"));
    EXPECT_EQ(FindFreFile(P("UP.DAT")), P("UP.FRE"));
    AppState back = FreshState();
    const FileResult r = OpenDataFile(back, P("UP.DAT"));
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.Warnings.empty());
    EXPECT_EQ(back.CurRadioData.ChannelCount, 5);
    // Saving again writes the file that is there rather than a second spelling beside it.
    ASSERT_TRUE(SaveDataFile(back, P("UP.DAT")).Ok());
    EXPECT_FALSE(fs::exists(P("UP.fre")));
}

namespace {

OldRadioData OldRecord(const char* model, int channels) {
    OldRadioData old;
    old.ModelCode = model;
    old.BandIndex = 2;
    old.ChannelCount = static_cast<std::int16_t>(channels);
    old.Signal.Option.Words[21] = 5;
    old.Signal.Option.RadioText = "OLD-POWER-ON";
    old.OptionBytesB[0] = 3;
    old.CommBookList[79].Name = "KEEP79";
    old.CommBookList[80].Name = "DROP80";
    old.SWFreq = "7.1";
    return old;
}

Bytes OldChannels(int channels) {
    Bytes b;
    for (int i = 0; i < channels; ++i) {
        ChannelData c;
        c.ChannelNo = static_cast<std::int16_t>(i + 1);
        c.Used = 1;
        c.RxFreq = "014652000";
        c.ExtraFlag = 0;
        const auto rec = EncodeChannelRecord(c);
        b.insert(b.end(), rec.begin(), rec.begin() + 109);
    }
    return b;
}

}  // namespace

TEST_F(DataFiles, OlderModelFilesAreConverted) {
    for (const char* model : {"ZV853C", "ZV853D"}) {
        const auto main = EncodeOldMainRecord(OldRecord(model, 7));
        WriteAll(P("old.dat"), Bytes(main.begin(), main.end()));
        WriteAll(P("old.fre"), OldChannels(7));
        AppState st = MarkedState(20);
        st.CurModelCode = "6173USD";
        const FileResult r = OpenDataFile(st, P("old.dat"));
        ASSERT_TRUE(r.Ok()) << model;
        EXPECT_TRUE(r.Warnings.empty());
        const RadioData& d = st.CurRadioData;
        EXPECT_EQ(d.ModelCode.Trimmed(), "6173USD");
        EXPECT_EQ(st.CurModelCode, "6173USD");
        EXPECT_EQ(st.CurBandIndex, 2);
        EXPECT_EQ(d.ChannelCount, 7);
        EXPECT_EQ(d.Signal.Option.TOT, 30);
        EXPECT_EQ(d.Signal.Option.RadioText.Trimmed(), "OLD-POWER-ON");
        EXPECT_EQ(d.OptionBytesB[0], std::string(model) == "ZV853C" ? 5 : 3);
        EXPECT_EQ(d.CommBookList[79].Name.Trimmed(), "KEEP79");
        EXPECT_EQ(d.SWFreq.Trimmed(), "7.1");
        EXPECT_EQ(d.BankTable, BankArray{});
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(st.ChannelTable[i].ChannelNo, i + 1);
            EXPECT_EQ(st.ChannelTable[i].ExtraFlag, 1);
            EXPECT_EQ(st.ChannelTable[i].SquelchLevel, 3);
        }
        // Nothing of the twenty channels that were open before survives.
        for (int i = 7; i < 206; ++i) ASSERT_EQ(st.ChannelTable[i], ChannelData{}) << i;
        EXPECT_EQ(st.FileRadioData, st.CurRadioData);
    }
}

TEST_F(DataFiles, OlderFilesWithBadValuesAreRefused) {
    auto write = [&](const OldRadioData& r) {
        const auto b = EncodeOldMainRecord(r);
        WriteAll(P("oldbad.dat"), Bytes(b.begin(), b.end()));
        WriteAll(P("oldbad.fre"), OldChannels(3));
        return P("oldbad.dat");
    };
    ExpectRefusedUnchanged(write(OldRecord("ZV853X", 3)));
    ExpectRefusedUnchanged(write(OldRecord("6173USD", 3)));
    ExpectRefusedUnchanged(write(OldRecord("ZV853C", 300)));
    OldRadioData r = OldRecord("ZV853C", 3);
    r.BandIndex = 9;
    ExpectRefusedUnchanged(write(r));
}

// A valid pair of files as bytes, and the check that any damaged variant of it opens or is
// refused, and that whatever opens holds a usable table.
class DataFileDamage : public ::testing::Test {
protected:
    void SetUp() override {
        st = MarkedState(206);
        RadioData rec = st.CurRadioData;
        rec.ModelCode = "6173USD";
        const auto m = EncodeMainRecord(rec);
        main.assign(m.begin(), m.end());
        for (int i = 0; i < 206; ++i) {
            const auto c = EncodeChannelRecord(st.ChannelTable[i]);
            fre.insert(fre.end(), c.begin(), c.end());
        }
    }

    void Check(const Bytes& m, const Bytes& f, const char* what, std::size_t at) {
        RadioData radio = st.FileRadioData;
        ChannelArray channels{};
        const FileResult r = ParseDataFile(st, m, f, true, radio, channels);
        ASSERT_NE(r.Status, FileStatus::FileError) << what << " " << at;
        if (!r.Ok()) {
            ASSERT_TRUE(r.LangTextNo == 9033 || r.LangTextNo == kNoChannelsFileText) << what << " " << at;
            return;
        }
        ASSERT_TRUE(radio.ChannelCount >= 0 && radio.ChannelCount <= 206) << what << " " << at;
        ASSERT_TRUE(radio.BandIndex >= 0 && radio.BandIndex <= 7) << what << " " << at;
        std::vector<bool> seen(207);
        for (int i = 0; i < radio.ChannelCount; ++i) {
            const int no = channels[i].ChannelNo;
            ASSERT_TRUE(no >= 1 && no <= 206 && !seen[no]) << what << " " << at;
            seen[no] = true;
        }
    }

    static Bytes Flipped(const Bytes& b, std::size_t i, int bit) {
        Bytes out = b;
        out[i] ^= static_cast<std::uint8_t>(1u << bit);
        return out;
    }

    // Every byte of the fields the open checks, and a spread of the others.
    static bool Chosen(std::size_t i, std::initializer_list<std::pair<std::size_t, std::size_t>> checked) {
        for (const auto& [from, to] : checked)
            if (i >= from && i < to) return true;
        return i % 11 == 0;
    }

    AppState st;
    Bytes main, fre;
};

TEST_F(DataFileDamage, EveryCutOfTheMainFile) {
    for (std::size_t n = 0; n <= main.size(); ++n) Check(Bytes(main.begin(), main.begin() + n), fre, "cut", n);
    Bytes longer = main;
    longer.push_back(0);
    Check(longer, fre, "longer", main.size() + 1);
}

TEST_F(DataFileDamage, FlippedBitsInTheMainFile) {
    // Band index, channel count, model code.
    for (std::size_t i = 0; i < main.size(); ++i)
        if (Chosen(i, {{0, 2}, {7286, 7288}, {11669, 11676}}))
            for (int bit = 0; bit < 8; bit += (i % 11 == 0 && i > 2 ? 3 : 1)) Check(Flipped(main, i, bit), fre, "flip", i);
}

TEST_F(DataFileDamage, CutAndFlippedChannelFiles) {
    for (std::size_t n = 0; n <= fre.size(); ++n)
        if (n % 113 <= 1 || n % 113 == 112 || n % 29 == 0) Check(main, Bytes(fre.begin(), fre.begin() + n), "cut", n);
    for (std::size_t i = 0; i < fre.size(); ++i)
        if (i % 113 < 2 || i % 7 == 0) Check(main, Flipped(fre, i, static_cast<int>(i % 8)), "flip", i);
}

TEST_F(DataFileDamage, FlippedBitsInAnOlderModelsFile) {
    const auto o = EncodeOldMainRecord(OldRecord("ZV853C", 30));
    const Bytes oldMain(o.begin(), o.end());
    const Bytes oldFre = OldChannels(30);
    // Band index, option word 21, channel count, model text.
    for (std::size_t i = 0; i < oldMain.size(); ++i)
        if (Chosen(i, {{0, 2}, {6738 + 42, 6738 + 44}, {6840, 6842}, {11847, 11853}}))
            Check(Flipped(oldMain, i, static_cast<int>(i % 8)), oldFre, "old flip", i);
    for (std::size_t i = 0; i < oldFre.size(); ++i) Check(oldMain, Flipped(oldFre, i, static_cast<int>(i % 8)), "old fre flip", i);
}

TEST_F(DataFiles, DefaultDataFileBuildsTheDefaultChannelsAnew) {
    AppState src = MarkedState(30);
    ASSERT_TRUE(SaveDataFile(src, P("init.dat")).Ok());
    AppState st = FreshState();
    st.CurBandIndex = 5;
    st.CurBandText = GetBandRangeStr(5);
    ParseFreBandStr(st, st.CurBandText);
    ASSERT_TRUE(LoadInitDataFile(st, P("init.dat")));
    EXPECT_EQ(st.CurRadioData.Signal.Option.RadioText.Trimmed(), "MARKED-TEXT1");
    EXPECT_EQ(st.CurRadioData.BandIndex, 5);
    ASSERT_EQ(st.CurRadioData.ChannelCount, 8);
    const int order[] = {1, 2, 201, 202, 203, 204, 205, 206};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(st.ChannelTable[i].ChannelNo, order[i]);
    EXPECT_EQ(st.FileRadioData, st.CurRadioData);
}

TEST_F(DataFiles, DefaultDataFileByBandKeepsChannelsOneTwoAndTheFurtherSix) {
    AppState src = MarkedState(206);  // numbers 200 down to 1, then 201 .. 206
    ASSERT_TRUE(SaveDataFile(src, P("band.dat")).Ok());

    AppState st = FreshState();
    ASSERT_TRUE(LoadInitDataFileByBand(st, P("band.dat")));
    ASSERT_EQ(st.CurRadioData.ChannelCount, 8);
    const int order[] = {2, 1, 201, 202, 203, 204, 205, 206};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(st.ChannelTable[i].ChannelNo, order[i]);
    for (int i = 8; i < 206; ++i) ASSERT_EQ(st.ChannelTable[i], ChannelData{});

    AppState factory = FreshState();
    factory.FactoryFresFlag = 1;
    ASSERT_TRUE(LoadInitDataFileByBand(factory, P("band.dat")));
    EXPECT_EQ(factory.CurRadioData.ChannelCount, 206);
}

// The band's default file supplies the channels New keeps; without its channel file it would
// leave New with none at all.
TEST_F(DataFiles, DefaultDataFileByBandWithoutItsChannelsKeepsTheBuiltInDefaults) {
    AppState src = MarkedState(206);
    ASSERT_TRUE(SaveDataFile(src, P("band.dat")).Ok());
    Bytes fre = ReadAll(P("band.fre"));
    for (const std::size_t size : {std::size_t{0}, std::size_t{113 * 150}}) {
        if (size == 0) fs::remove(P("band.fre"));
        else WriteAll(P("band.fre"), Bytes(fre.begin(), fre.begin() + static_cast<std::ptrdiff_t>(size)));
        AppState st = FreshState();
        const RadioData before = st.CurRadioData;
        const ChannelArray table = st.ChannelTable;
        EXPECT_FALSE(LoadInitDataFileByBand(st, P("band.dat"))) << size;
        EXPECT_TRUE(st.CurRadioData == before) << size;
        EXPECT_TRUE(st.ChannelTable == table) << size;
        EXPECT_EQ(st.CurRadioData.ChannelCount, 8);
        EXPECT_TRUE(st.FileRadioData == st.CurRadioData);
    }
}

TEST_F(DataFiles, MissingDefaultDataFileKeepsTheBuiltInDefaults) {
    AppState st = FreshState();
    const RadioData before = st.CurRadioData;
    EXPECT_FALSE(LoadInitDataFile(st, P("none.dat")));
    EXPECT_FALSE(LoadInitDataFileByBand(st, P("none.dat")));
    EXPECT_EQ(st.CurRadioData, before);
    EXPECT_EQ(st.FileRadioData, st.CurRadioData);
}

// The default data files laid beside the program by the build.
TEST(ShippedInitFiles, NewDataLoadsTheFileOfEachBand) {
    for (int band = 0; band < 8; ++band) {
        const fs::path file = fs::path(RP_RUNTIME_DIR) / "Init" / ("6173USD_" + std::to_string(band) + ".dat");
        ASSERT_EQ(fs::file_size(file), 12275u) << file;
        AppState st;
        st.ProgramDir = RP_RUNTIME_DIR;
        st.CurBandIndex = band;
        st.CurBandText = GetBandRangeStr(band);
        ParseFreBandStr(st, st.CurBandText);
        NewData(st);
        EXPECT_EQ(st.CurRadioData.BandIndex, band);
        EXPECT_EQ(st.CurRadioData.ChannelCount, 8);
        EXPECT_EQ(st.CurBandText, GetBandRangeStr(band));
        EXPECT_EQ(st.FileRadioData, st.CurRadioData);

        AppState builtIn;
        builtIn.NoInitFileFlag = true;
        builtIn.CurBandIndex = band;
        builtIn.CurBandText = st.CurBandText;
        ParseFreBandStr(builtIn, builtIn.CurBandText);
        NewData(builtIn);
        EXPECT_EQ(st.CurRadioData, builtIn.CurRadioData) << band;
        for (int i = 0; i < 8; ++i) EXPECT_EQ(st.ChannelTable[i], builtIn.ChannelTable[i]) << band;
    }
}

namespace {

TestDataBlock Block(std::uint8_t first) {
    TestDataBlock b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(first + i);
    return b;
}

Bytes BytesOf(const TestDataBlock& b) { return Bytes(b.begin(), b.end()); }

}  // namespace

// In the test-data mode the 16 bytes go out with a save into NAME.ted and come back with an open.
TEST_F(DataFiles, TestDataTravelsInAFileBesideTheDataFile) {
    AppState st = MarkedState(2);
    st.TestDataMode = true;
    st.TestData = Block(0xA0);
    ASSERT_TRUE(SaveDataFile(st, P("t.dat")).Ok());
    EXPECT_EQ(GetTedFileName(P("t.dat")), P("t.ted"));
    EXPECT_EQ(ReadAll(P("t.ted")), BytesOf(Block(0xA0)));

    AppState other = MarkedState(1);
    other.TestDataMode = true;
    other.TestData = Block(0x10);
    ASSERT_TRUE(OpenDataFile(other, P("t.dat")).Ok());
    EXPECT_EQ(other.TestData, Block(0xA0));
    // A refused data file brings nothing in.
    WriteAll(P("bad.dat"), Bytes(5, 0));
    WriteAll(P("bad.ted"), Bytes(16, 0x77));
    EXPECT_FALSE(OpenDataFile(other, P("bad.dat")).Ok());
    EXPECT_EQ(other.TestData, Block(0xA0));
}

// A missing or short test-data file leaves the bytes as they were, without a word; a longer one
// gives its first 16.
TEST_F(DataFiles, TestDataFileMissingOrShortLeavesTheBytes) {
    AppState saver = MarkedState(2);
    ASSERT_TRUE(SaveDataFile(saver, P("t.dat")).Ok());  // not in the mode: no test-data file
    EXPECT_FALSE(fs::exists(P("t.ted")));
    struct Case {
        const char* what;
        std::optional<Bytes> ted;
        std::optional<TestDataBlock> before, after;
    } const cases[] = {
        {"missing", std::nullopt, Block(0x30), Block(0x30)},
        {"missing, none read", std::nullopt, std::nullopt, std::nullopt},
        {"empty", Bytes{}, Block(0x30), Block(0x30)},
        {"15 bytes", Bytes(15, 0x44), Block(0x30), Block(0x30)},
        {"16 bytes", Bytes(16, 0x44), std::nullopt, TestDataBlock{0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44,
                                                                  0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44}},
        {"17 bytes", [] { Bytes b = BytesOf(Block(0x50)); b.push_back(0xEE); return b; }(),
         Block(0x30), Block(0x50)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(P("t.ted"));
        if (c.ted) WriteAll(P("t.ted"), *c.ted);
        AppState st = MarkedState(1);
        st.TestDataMode = true;
        st.TestData = c.before;
        const FileResult r = OpenDataFile(st, P("t.dat"));
        ASSERT_TRUE(r.Ok());
        EXPECT_TRUE(r.Warnings.empty());
        EXPECT_EQ(st.TestData, c.after);
        EXPECT_EQ(st.FileTestData, c.after);
    }
}

// Data saved without test data leave no test-data file, so an older one cannot come back with
// them; outside the mode the file is neither read nor written.
TEST_F(DataFiles, TestDataFileFollowsTheSavedData) {
    WriteAll(P("t.ted"), Bytes(16, 0x99));
    AppState st = MarkedState(2);
    st.TestDataMode = true;
    ASSERT_TRUE(SaveDataFile(st, P("t.dat")).Ok());
    EXPECT_FALSE(fs::exists(P("t.ted")));

    WriteAll(P("t.ted"), Bytes(16, 0x99));
    AppState plain = MarkedState(2);
    plain.TestData = Block(0x01);
    ASSERT_TRUE(SaveDataFile(plain, P("t.dat")).Ok());
    EXPECT_EQ(ReadAll(P("t.ted")), Bytes(16, 0x99));
    ASSERT_TRUE(OpenDataFile(plain, P("t.dat")).Ok());
    EXPECT_EQ(plain.TestData, Block(0x01));
}

namespace {

// Everything under a folder: file bytes and permission bits, link targets, folders. Links are
// not followed, so a link replaced by a file shows.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string rel = e.path().lexically_relative(root).string();  // links not followed
        const auto st = e.symlink_status();
        if (fs::is_symlink(st)) {
            out[rel] = "link " + fs::read_symlink(e.path()).string();
        } else if (fs::is_directory(st)) {
            out[rel] = "folder";
        } else {
            const Bytes b = ReadAll(e.path());
            out[rel] = std::to_string(static_cast<unsigned>(st.permissions())) + " " + std::string(b.begin(), b.end());
        }
    }
    return out;
}

// A pair as this program writes it, holding channels channels.
void SavePair(const fs::path& path, int channels) {
    AppState st = MarkedState(channels);
    ASSERT_TRUE(SaveDataFile(st, path.string()).Ok()) << path;
}

// A data file name of length characters, and its channel file's.
const std::string& LongName(int length) {
    static std::map<int, std::string> names;
    auto& n = names[length];
    if (n.empty()) n = std::string(static_cast<std::size_t>(length - 4), 'n') + ".dat";
    return n;
}

std::string LongFreName(int length) { return std::string(static_cast<std::size_t>(length - 4), 'n') + ".fre"; }

void ReadOnly(const fs::path& p) {
    fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

}  // namespace

// Saves, opens and book exports against what can lie on disk where the user points: files that
// must not be written, a folder in the way, links to files in other folders, very short names.
// A refused save leaves every file as it was (the channel file too); one that goes through
// changes exactly the files of the pair the user meant.
TEST_F(DataFiles, FileCasesKeepThePairWholeAndInItsOwnFolder) {
    enum class Act { Save, Open, ExportBook };
    constexpr int kOnDisk = 206;  // channels of the pairs laid out beforehand
    constexpr int kSaved = 5;     // channels of the working data a Save writes
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> lay;
        const char* chosen;  // the name the user gave, in the test folder
        Act act;
        bool ok;
        std::set<std::string> changed;  // files whose content a successful action replaces
        std::set<std::string> created;
    };
    const Case cases[] = {
        {"read-only data file",
         [](const fs::path& d) { SavePair(d / "a.dat", kOnDisk); ReadOnly(d / "a.dat"); },
         "a.dat", Act::Save, false, {}, {}},
        {"read-only channel file",
         [](const fs::path& d) { SavePair(d / "a.dat", kOnDisk); ReadOnly(d / "a.fre"); },
         "a.dat", Act::Save, false, {}, {}},
        {"link to a read-only data file",
         [](const fs::path& d) {
             fs::create_directory(d / "other");
             SavePair(d / "other" / "real.dat", kOnDisk);
             ReadOnly(d / "other" / "real.dat");
             fs::create_symlink("other/real.dat", d / "link.dat");
         },
         "link.dat", Act::Save, false, {}, {}},
        {"read-only book file",
         [](const fs::path& d) {
             WriteAll(d / "b.cb", Bytes(kCommBookFileSize, 0x41));
             ReadOnly(d / "b.cb");
         },
         "b.cb", Act::ExportBook, false, {}, {}},
        {"folder in place of the data file, channel file beside it",
         [](const fs::path& d) {
             SavePair(d / "a.dat", kOnDisk);
             fs::remove(d / "a.dat");
             fs::create_directory(d / "a.dat");
         },
         "a.dat", Act::Save, false, {}, {}},
        {"folder in place of the data file, no channel file",
         [](const fs::path& d) { fs::create_directory(d / "a.dat"); },
         "a.dat", Act::Save, false, {}, {}},
        {"open through a relative link to another folder",
         [](const fs::path& d) {
             fs::create_directory(d / "other");
             SavePair(d / "other" / "real.dat", kOnDisk);
             fs::create_symlink("other/real.dat", d / "link.dat");
         },
         "link.dat", Act::Open, true, {}, {}},
        {"save through a link to another folder",
         [](const fs::path& d) {
             fs::create_directory(d / "other");
             SavePair(d / "other" / "real.dat", kOnDisk);
             fs::create_symlink(d / "other" / "real.dat", d / "link.dat");
         },
         "link.dat", Act::Save, true, {"other/real.dat", "other/real.fre"}, {}},
        {"save through a link to a file not there yet",
         [](const fs::path& d) {
             fs::create_directory(d / "other");
             fs::create_symlink("other/new.dat", d / "link.dat");
         },
         "link.dat", Act::Save, true, {}, {"other/new.dat", "other/new.fre"}},
        {"save a two-letter name in a folder",
         [](const fs::path& d) { fs::create_directory(d / "sub"); },
         "sub/ab", Act::Save, true, {}, {"sub/ab", "sub/fre"}},
        {"open a two-letter name in a folder",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             SavePair(d / "sub" / "ab.dat", kOnDisk);
             fs::rename(d / "sub" / "ab.dat", d / "sub" / "ab");
             fs::rename(d / "sub" / "ab.fre", d / "sub" / "fre");
         },
         "sub/ab", Act::Open, true, {}, {}},
        // The file system takes names of up to 255 bytes: the temporary and kept copies beside a
        // file of such a name must fit that limit too.
        {"save over a pair of 249-character names",
         [](const fs::path& d) { SavePair(d / LongName(249), kOnDisk); },
         LongName(249).c_str(), Act::Save, true, {LongName(249), LongFreName(249)}, {}},
        {"save over a pair of 255-character names",
         [](const fs::path& d) { SavePair(d / LongName(255), kOnDisk); },
         LongName(255).c_str(), Act::Save, true, {LongName(255), LongFreName(255)}, {}},
        {"save a new pair of 255-character names", [](const fs::path&) {},
         LongName(255).c_str(), Act::Save, true, {}, {LongName(255), LongFreName(255)}},
        {"open a pair of 255-character names",
         [](const fs::path& d) { SavePair(d / LongName(255), kOnDisk); },
         LongName(255).c_str(), Act::Open, true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path root = dir / "case";
        fs::remove_all(root);
        fs::create_directory(root);
        c.lay(root);
        const auto before = Tree(root);
        const std::string chosen = (root / c.chosen).string();

        if (c.act == Act::ExportBook) {
            CommBookFileData book{};
            book[3].Name = "NEWNAM";
            EXPECT_EQ(WriteCommBookFile(chosen, book), c.ok);
        } else if (c.act == Act::Open) {
            AppState st = FreshState();
            const FileResult r = OpenDataFile(st, chosen);
            EXPECT_EQ(r.Ok(), c.ok);
            EXPECT_TRUE(r.Warnings.empty()) << r.Warnings.front();
            EXPECT_EQ(st.CurRadioData.ChannelCount, kOnDisk);
        } else {
            AppState st = MarkedState(kSaved);
            st.DataFileName = "before.dat";
            const FileResult r = SaveDataFile(st, chosen);
            EXPECT_EQ(r.Ok(), c.ok);
            if (c.ok) {
                EXPECT_EQ(st.DataFileName, chosen);  // the name the user chose, link or not
                AppState back = FreshState();
                const FileResult again = OpenDataFile(back, chosen);
                EXPECT_TRUE(again.Ok());
                EXPECT_TRUE(again.Warnings.empty()) << again.Warnings.front();
                EXPECT_EQ(back.CurRadioData.ChannelCount, kSaved);
            } else {
                EXPECT_EQ(r.Status, FileStatus::FileError);
                EXPECT_EQ(r.Message, "file error.");
                EXPECT_EQ(st.DataFileName, "before.dat");
            }
        }

        const auto after = Tree(root);
        for (const auto& [name, content] : before) {
            const auto it = after.find(name);
            if (it == after.end()) {
                ADD_FAILURE() << name << " is gone";
            } else if (c.changed.count(name)) {
                EXPECT_NE(it->second, content) << name << " was not written";
            } else {
                EXPECT_TRUE(it->second == content) << name << " changed";
            }
        }
        std::set<std::string> created;
        for (const auto& [name, content] : after)
            if (!before.count(name)) created.insert(name);
        EXPECT_EQ(created, c.created);
    }
}

// A save replaces the pair with new files: they keep the owner, group and mode of the ones they
// replace, so a save by the super-user does not take another user's files away from them.
TEST_F(DataFiles, SaveKeepsTheOwnerGroupAndModeOfThePair) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the super-user can give files to another owner";
    constexpr uid_t kOwner = 4321;
    constexpr gid_t kGroup = 8765;
    SavePair(dir / "theirs.dat", 3);
    for (const char* f : {"theirs.dat", "theirs.fre"}) {
        ASSERT_EQ(::chown(P(f).c_str(), kOwner, kGroup), 0);
        ASSERT_EQ(::chmod(P(f).c_str(), 0640), 0);
    }
    AppState st = MarkedState(5);
    ASSERT_TRUE(SaveDataFile(st, P("theirs.dat")).Ok());
    for (const char* f : {"theirs.dat", "theirs.fre"}) {
        struct stat s {};
        ASSERT_EQ(::stat(P(f).c_str(), &s), 0);
        EXPECT_EQ(s.st_uid, kOwner) << f;
        EXPECT_EQ(s.st_gid, kGroup) << f;
        EXPECT_EQ(s.st_mode & 07777, 0640u) << f;
    }
    AppState back = FreshState();
    ASSERT_TRUE(OpenDataFile(back, P("theirs.dat")).Ok());
    EXPECT_EQ(back.CurRadioData.ChannelCount, 5);
}

// The older models' files the same: a record that counts no channel needs no channel file.
TEST_F(DataFiles, OlderDataFileThatCountsNoChannelOpensWithNoChannel) {
    const auto main = EncodeOldMainRecord(OldRecord("ZV853D", 0));
    WriteAll(P("oldempty.dat"), Bytes(main.begin(), main.end()));
    AppState st = MarkedState(20);
    const FileResult r = OpenDataFile(st, P("oldempty.dat"));
    ASSERT_TRUE(r.Ok()) << r.Message;
    EXPECT_TRUE(r.Warnings.empty());
    EXPECT_EQ(st.CurRadioData.ChannelCount, 0);
    EXPECT_TRUE(st.ChannelTable == ChannelArray{});
    EXPECT_EQ(st.CurRadioData.Signal.Option.RadioText.Trimmed(), "OLD-POWER-ON");
}
