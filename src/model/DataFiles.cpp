#include "model/DataFiles.h"

#include <algorithm>
#include <bitset>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/BandText.h"
#include "model/DataFileCodec.h"
#include "model/FileIo.h"
#include "model/ModelTable.h"
#include "model/NewData.h"
#include "model/OldModel.h"

namespace rp {

namespace fs = std::filesystem;

namespace {

constexpr int kBandIndexMax = 7;
// The channel file is read no further than a full table needs.
constexpr std::size_t kMaxFreBytes = kMaxChannels * kChannelRecordSize;

bool Chinese(int languageIndex) { return languageIndex == 2; }

FileResult Refused(const AppState& st) {
    FileResult r;
    r.Status = FileStatus::Refused;
    r.LangTextNo = kRefusedFileText;
    if (st.LangText) r.Message = st.LangText(kRefusedFileText);
    return r;
}

// The data file's channels are all in its channel file: when it counts some and the channel file
// is missing or gives none of them, nothing of them is left to open.
FileResult NoChannels(const AppState& st, std::string_view freName) {
    FileResult r;
    r.Status = FileStatus::Refused;
    r.LangTextNo = kNoChannelsFileText;
    if (st.LangText) r.Message = st.LangText(kNoChannelsFileText);
    const std::size_t at = r.Message.find("%1");
    if (at != std::string::npos) r.Message.replace(at, 2, freName);
    return r;
}

FileResult FileError(const AppState& st) {
    FileResult r;
    r.Status = FileStatus::FileError;
    r.Message = FileErrorText(st.LanguageIndex);
    return r;
}

std::string ShortFreWarning(int lang, int read, int wanted) {
    if (Chinese(lang))
        return "信道文件缺失或不完整：" + std::to_string(wanted) + " 个信道中只读到 " +
               std::to_string(read) + " 个。";
    return "The channel file is missing or short: " + std::to_string(read) + " of " +
           std::to_string(wanted) + " channels were read.";
}

std::string BadNumberWarning(int lang, int record, int number) {
    if (Chinese(lang))
        return "信道文件第 " + std::to_string(record) + " 条记录的信道号 " + std::to_string(number) +
               " 无效，已忽略。";
    return "Channel record " + std::to_string(record) + " has the invalid channel number " +
           std::to_string(number) + " and was left out.";
}

std::string FurtherDropsWarning(int lang, int further) {
    if (Chinese(lang))
        return "另有 " + std::to_string(further) + " 条信道记录的信道号无效或重复，已忽略。";
    return std::to_string(further) + " further channel records with an invalid or repeated channel number were left out.";
}

// Each warning is a message box of its own: a damaged channel file must not bring up hundreds.
constexpr int kListedDrops = 5;

std::string DuplicateWarning(int lang, int record, int number) {
    if (Chinese(lang))
        return "信道文件第 " + std::to_string(record) + " 条记录的信道号 " + std::to_string(number) +
               " 重复，已忽略。";
    return "Channel record " + std::to_string(record) + " repeats channel number " +
           std::to_string(number) + " and was left out.";
}

// Byte length of the last n characters of a UTF-8 name (n whole characters, or all of it).
std::size_t TailBytes(std::string_view s, int n) {
    std::size_t pos = s.size();
    for (int i = 0; i < n && pos > 0; ++i) {
        --pos;
        while (pos > 0 && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) --pos;
    }
    return s.size() - pos;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

int ClampCount(int count) { return std::clamp(count, 0, kMaxChannels); }

FileBytes ReadFre(const std::string& dataFileName, std::size_t maxBytes) {
    return ReadFileBytes(FindFreFile(dataFileName), maxBytes);
}

void ClearTable(ChannelArray& table) { table.fill(ChannelData{}); }

// Into the file copy, which then becomes the working data. A test-data file that is missing or
// too short leaves the bytes as they were, without a word: older data files have none.
void LoadTed(AppState& st, const std::string& name) {
    if (!st.TestDataMode) return;
    st.FileTestData = st.TestData;
    const FileBytes ted = ReadFileBytes(GetTedFileName(name), TestDataBlock().size());
    if (ted.Status != ReadStatus::Ok || ted.Bytes.size() < TestDataBlock().size()) return;
    TestDataBlock block;
    std::copy(ted.Bytes.begin(), ted.Bytes.end(), block.begin());
    st.FileTestData = block;
}

// After the data pair is in place. Data without test data leave no test-data file, so that an
// older one beside the name cannot come back with them when they are opened. The pair stands
// on its own: should this file fail, the save has still succeeded and is not reported as failed.
void SaveTed(const AppState& st, const std::string& name) {
    if (!st.TestDataMode) return;
    const std::string path = GetTedFileName(name);
    if (!st.TestData) {
        std::error_code ec;
        fs::remove(path, ec);
        return;
    }
    ReplacementFile ted(path);
    if (ted.Write(*st.TestData)) ted.Commit();
}

bool CurrentRecordUsable(const RadioData& r) {
    return r.ChannelCount >= 0 && r.ChannelCount <= kMaxChannels && r.BandIndex >= 0 &&
           r.BandIndex <= kBandIndexMax;
}

// Reads a default data file's records; the band and model become the current ones. complete
// says whether every channel the record counts was read.
bool ReadInitRecords(const AppState& st, const std::string& path, RadioData& radio, ChannelArray& channels,
                     bool* complete = nullptr) {
    FileBytes main = ReadFileBytes(path, kMainRecordSize + 1);
    if (main.Status != ReadStatus::Ok) return false;
    auto rec = DecodeMainRecord(main.Bytes);
    if (!rec) return false;
    rec->BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    rec->ModelCode = TrimNull(st.CurModelCode);
    if (!CurrentRecordUsable(*rec)) return false;
    ChannelLoad load = LoadFreFile(path, rec->ChannelCount, channels, st.LanguageIndex);
    if (complete) *complete = load.Warnings.empty();
    rec->ChannelCount = static_cast<std::int16_t>(load.Count);
    radio = *rec;
    return true;
}

}  // namespace

std::string FileErrorText(int languageIndex) {
    return Chinese(languageIndex) ? "文件错误。" : "file error.";
}

std::string GetFreFileName(const std::string& dataFileName) {
    // Only the file's own name is shortened: a name of fewer than three characters must not
    // eat into its folder's name and put the channel file elsewhere.
    const std::size_t slash = dataFileName.rfind('/');
    const std::string_view leaf =
        std::string_view(dataFileName).substr(slash == std::string::npos ? 0 : slash + 1);
    return dataFileName.substr(0, dataFileName.size() - TailBytes(leaf, 3)) + "fre";
}

std::string GetTedFileName(const std::string& dataFileName) {
    return fs::path(FollowLinks(dataFileName)).replace_extension(".ted").string();
}

std::string FindFreFile(const std::string& dataFileName) {
    // Through a link the pair is the one the link leads to, not a channel file beside the link.
    const std::string rule = GetFreFileName(FollowLinks(dataFileName));
    std::error_code ec;
    if (fs::exists(rule, ec)) return rule;
    const fs::path rulePath(rule);
    const std::string wanted = rulePath.filename().string();
    const std::string stem = wanted.substr(0, wanted.size() - 3);
    fs::path dir = rulePath.parent_path();
    if (dir.empty()) dir = ".";
    std::vector<std::string> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != wanted.size() || name.compare(0, stem.size(), stem) != 0) continue;
        std::string tail = name.substr(stem.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (tail == "fre") found.push_back(it->path().string());
    }
    if (found.empty()) return rule;
    // Several spellings side by side: take one the same way every time.
    std::sort(found.begin(), found.end());
    return found.front();
}

void CopyDataToFileRec(AppState& st) {
    if (st.TestDataMode) st.FileTestData = st.TestData;
    st.CurRadioData.BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    st.CurRadioData.ModelCode = TrimNull(st.CurModelCode);
    st.FileRadioData = st.CurRadioData;
    // The whole table, so no slot behind the count can differ between the two copies.
    st.FileChannelTable = st.ChannelTable;
}

void CopyFileRecToData(AppState& st) {
    if (st.TestDataMode) st.TestData = st.FileTestData;
    st.CurRadioData = st.FileRadioData;
    const std::string model = st.FileRadioData.ModelCode.Trimmed();
    // Data the model dialog put under another model of the family come back under that model.
    if (IsDataModelCode(model)) st.CurModelCode = model;
    st.CurBandIndex = st.FileRadioData.BandIndex;
    st.CurBandText = GetBandRangeStr(st.CurBandIndex);
    ParseFreBandStr(st, st.CurBandText);
    st.ChannelTable = st.FileChannelTable;
}

FileResult SaveDataFile(AppState& st) { return SaveDataFile(st, st.DataFileName); }

FileResult SaveDataFile(AppState& st, const std::string& path) {
    RadioData rec = st.CurRadioData;
    rec.BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    rec.ModelCode = TrimNull(st.CurModelCode);
    const int count = ClampCount(rec.ChannelCount);
    rec.ChannelCount = static_cast<std::int16_t>(count);  // never write a file this program refuses

    const std::string frePath = FindFreFile(path);
    // A data file named like its own channel file would be overwritten by its channels.
    if (path.empty() || SameFile(frePath, path)) return FileError(st);

    std::vector<std::uint8_t> fre(static_cast<std::size_t>(count) * kChannelRecordSize);
    for (int i = 0; i < count; ++i) {
        const auto c = EncodeChannelRecord(st.ChannelTable[static_cast<std::size_t>(i)]);
        std::copy(c.begin(), c.end(), fre.begin() + static_cast<std::ptrdiff_t>(i * kChannelRecordSize));
    }
    const auto main = EncodeMainRecord(rec);

    ReplacementFile mainFile(path);
    ReplacementFile freFile(frePath);
    if (!mainFile.Write(main) || !freFile.Write(fre)) return FileError(st);
    // The main record goes last: it holds the count that says how much of the channel file counts.
    // Should it fail, the old channel file comes back, so the old pair still matches.
    if (!CommitInOrder(freFile, mainFile)) return FileError(st);

    CopyDataToFileRec(st);
    st.DataFileName = path;
    SaveTed(st, path);
    st.IsNewData = 0;
    return {};
}

ChannelLoad ParseChannelRecords(std::span<const std::uint8_t> bytes, bool fileFound, int count,
                                std::size_t recordSize, ChannelArray& table, int languageIndex) {
    ChannelLoad out;
    ClearTable(table);
    count = ClampCount(count);
    const int available = fileFound ? static_cast<int>(std::min<std::size_t>(bytes.size() / recordSize, kMaxChannels)) : 0;
    const int toRead = std::min(count, available);
    if (toRead < count) out.Warnings.push_back(ShortFreWarning(languageIndex, toRead, count));
    std::bitset<kMaxChannels + 1> seen;
    int dropped = 0;
    for (int i = 0; i < toRead; ++i) {
        auto rec = DecodeChannelRecord(bytes.subspan(static_cast<std::size_t>(i) * recordSize, recordSize));
        if (!rec) continue;
        const int no = rec->ChannelNo;
        const bool bad = no < 1 || no > kMaxChannels;
        if (bad || seen[static_cast<std::size_t>(no)]) {
            if (++dropped <= kListedDrops)
                out.Warnings.push_back(bad ? BadNumberWarning(languageIndex, i + 1, no)
                                           : DuplicateWarning(languageIndex, i + 1, no));
            continue;
        }
        seen[static_cast<std::size_t>(no)] = true;
        table[static_cast<std::size_t>(out.Count++)] = *rec;
    }
    if (dropped > kListedDrops) out.Warnings.push_back(FurtherDropsWarning(languageIndex, dropped - kListedDrops));
    return out;
}

ChannelLoad LoadFreFile(const std::string& dataFileName, int count, ChannelArray& table, int languageIndex) {
    FileBytes fre = ReadFre(dataFileName, static_cast<std::size_t>(ClampCount(count)) * kChannelRecordSize);
    return ParseChannelRecords(fre.Bytes, fre.Status == ReadStatus::Ok, count, kChannelRecordSize, table,
                               languageIndex);
}

FileResult ParseDataFile(const AppState& st, std::span<const std::uint8_t> mainBytes,
                         std::span<const std::uint8_t> freBytes, bool freFound, RadioData& radio,
                         ChannelArray& channels, std::string_view freName) {
    const std::size_t size = mainBytes.size();
    if (size == kMainRecordSize || size == kMainRecordSizeOld) {
        auto rec = DecodeMainRecord(mainBytes);
        if (!rec || !IsDataModelCode(rec->ModelCode.Trimmed()) || !CurrentRecordUsable(*rec))
            return Refused(st);
        ChannelLoad load = ParseChannelRecords(freBytes, freFound, rec->ChannelCount, kChannelRecordSize,
                                               channels, st.LanguageIndex);
        // A radio read with no channel in use is saved as a record that counts none: it opens with
        // no channel, whether or not its (empty) channel file lies beside it.
        if (load.Count == 0 && rec->ChannelCount > 0) return NoChannels(st, freName);
        rec->ChannelCount = static_cast<std::int16_t>(load.Count);
        radio = *rec;
        FileResult ok;
        ok.Warnings = std::move(load.Warnings);
        return ok;
    }
    if (size == kOldMainRecordSize) {
        auto old = DecodeOldMainRecord(mainBytes);
        if (!old || !OldRecordUsable(*old)) return Refused(st);
        ChannelArray oldChannels{};
        ChannelLoad load = ParseChannelRecords(freBytes, freFound, old->ChannelCount, kOldChannelRecordSize,
                                               oldChannels, st.LanguageIndex);
        if (load.Count == 0 && old->ChannelCount > 0) return NoChannels(st, freName);
        old->ChannelCount = static_cast<std::int16_t>(load.Count);
        ConvertOldData(radio, channels, *old, oldChannels, old->ModelCode.Trimmed());
        // Slots behind the count hold nothing of the older file's garbage.
        for (int i = load.Count; i < kMaxChannels; ++i) channels[static_cast<std::size_t>(i)] = ChannelData{};
        FileResult ok;
        ok.Warnings = std::move(load.Warnings);
        return ok;
    }
    return Refused(st);
}

FileResult OpenDataFile(AppState& st) { return OpenDataFile(st, st.DataFileName); }

FileResult OpenDataFile(AppState& st, const std::string& path) {
    const auto size = RegularFileSize(path);
    if (!size) return FileError(st);
    if (*size != kMainRecordSize && *size != kMainRecordSizeOld && *size != kOldMainRecordSize)
        return Refused(st);
    FileBytes main = ReadFileBytes(path, kMainRecordSize);
    if (main.Status != ReadStatus::Ok) return FileError(st);
    const std::string freName = FindFreFile(path);
    FileBytes fre = ReadFileBytes(freName, kMaxFreBytes);
    if (fre.Status == ReadStatus::Error) return FileError(st);

    RadioData radio = st.FileRadioData;
    ChannelArray channels{};
    FileResult r =
        ParseDataFile(st, main.Bytes, fre.Bytes, fre.Status == ReadStatus::Ok, radio, channels, freName);
    if (!r.Ok()) return r;

    st.FileRadioData = radio;
    st.FileChannelTable = channels;
    LoadTed(st, path);
    CopyFileRecToData(st);
    st.CurModelName = GetModelName(st, st.CurModelCode);
    st.DataFileName = path;
    st.IsNewData = 0;
    return r;
}

void NewDataFile(AppState& st) { NewData(st); }

bool LoadInitDataFile(AppState& st, const std::string& path) {
    RadioData radio;
    ChannelArray channels{};
    if (!ReadInitRecords(st, path, radio, channels)) {
        CopyDataToFileRec(st);
        return false;
    }
    st.FileRadioData = radio;
    st.FileChannelTable = channels;
    LoadTed(st, path);
    CopyFileRecToData(st);
    st.CurRadioData.ChannelCount = 0;
    InitDefaultChannels(st);
    CopyDataToFileRec(st);
    return true;
}

bool LoadInitDataFileByBand(AppState& st, const std::string& path) {
    RadioData radio;
    ChannelArray channels{};
    bool complete = false;
    // This file supplies the channels New keeps: without all of them New would start with a
    // damaged or empty table, so the built-in defaults stay instead.
    if (!ReadInitRecords(st, path, radio, channels, &complete) || !complete) {
        CopyDataToFileRec(st);
        return false;
    }
    if (st.FactoryFresFlag == 0 && st.ForceFactoryFres == 0) {
        KeepDefaultBandChannels(radio, channels);
        for (int i = radio.ChannelCount; i < kMaxChannels; ++i) channels[static_cast<std::size_t>(i)] = ChannelData{};
    }
    st.FileRadioData = radio;
    st.FileChannelTable = channels;
    LoadTed(st, path);
    CopyFileRecToData(st);
    return true;
}

}  // namespace rp
