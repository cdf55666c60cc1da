#pragma once
// The data file pair (main record file and the channel file beside it): save, open, the default
// data files that New loads, and the file copies the working data are compared against.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"

namespace rp {

constexpr int kRefusedFileText = 9033;
// A data file whose channel file is missing or gives none of its channels; "%1" is that file.
constexpr int kNoChannelsFileText = 9034;

enum class FileStatus {
    Ok,
    Refused,    // not a data file this program takes: show language text 9033
    FileError,  // could not be read or written: show "file error."
};

// What a save or open did. Functions never show windows; the caller shows Message when the
// status is not Ok, and the warnings after an open that went through.
struct FileResult {
    FileStatus Status = FileStatus::Ok;
    int LangTextNo = 0;  // the language text Message came from, 0 for a fixed text
    std::string Message;
    std::vector<std::string> Warnings;
    bool Ok() const { return Status == FileStatus::Ok; }
};

std::string FileErrorText(int languageIndex);

// The channel file's name: the data file's name with its last three characters replaced by "fre"
// (a file name of fewer characters becomes "fre" in the same folder).
std::string GetFreFileName(const std::string& dataFileName);
// The channel file as it lies on disk, beside the file the data file name leads to (a symbolic
// link's target): the name above, or the one beside it that differs from it only in the case of
// "fre" ("X.FRE" written on a system that ignores case). The name above when neither exists.
std::string FindFreFile(const std::string& dataFileName);
// The test-data file of the factory test-data mode: beside the file the data file name leads to,
// with its extension replaced by ".ted". It holds the 16 test-data bytes and nothing else.
std::string GetTedFileName(const std::string& dataFileName);

// Working data to the file copies, and back.
void CopyDataToFileRec(AppState& st);
void CopyFileRecToData(AppState& st);

// Writes the working data to path and its channel file. On success DataFileName := path, the
// file copies hold what was written and IsNewData := 0; on failure nothing of that changes and
// the files on disk stay as they were.
FileResult SaveDataFile(AppState& st, const std::string& path);
FileResult SaveDataFile(AppState& st);  // to DataFileName

// Reads path (and its channel file) into the working data. A refused or unreadable file changes
// nothing: not the working data, not the file copies, not DataFileName, not IsNewData. A channel
// file that is missing or gives none of the channels the record counts refuses the open; one that
// gives some of them opens with a warning. A record that counts no channel opens with none. On success DataFileName := path and the caller redraws the main
// window by the model and data.
FileResult OpenDataFile(AppState& st, const std::string& path);
FileResult OpenDataFile(AppState& st);  // from DataFileName

// New: fresh data from the defaults and the default data file; the caller redraws the lists.
void NewDataFile(AppState& st);

// The default data files that New loads. False when the file could not be used; the built-in
// defaults then stay and count as unchanged. Never a message.
bool LoadInitDataFile(AppState& st, const std::string& path);
// The band's own file gives the channels New keeps: it is used only when all of them are read.
bool LoadInitDataFileByBand(AppState& st, const std::string& path);

// Result of reading channel records: the kept records lie densely from slot 0.
struct ChannelLoad {
    int Count = 0;
    std::vector<std::string> Warnings;
};
// Reads up to count records of the channel file beside dataFileName into table (cleared first).
// Records whose channel number is outside 1..206 or was seen before are dropped; a missing or
// short file gives the records actually there. Each of those gives a warning.
ChannelLoad LoadFreFile(const std::string& dataFileName, int count, ChannelArray& table, int languageIndex);
// The record checks of the above on bytes already read, for records of recordSize bytes (the
// older models' are 109 bytes long).
ChannelLoad ParseChannelRecords(std::span<const std::uint8_t> bytes, bool fileFound, int count,
                                std::size_t recordSize, ChannelArray& table, int languageIndex);

// The whole open on bytes already read (fre empty and freFound false for a missing channel
// file): fills radio and channels, or says why not. radio comes in as the record an older
// model's data are converted onto. A channel file that gives none of the channels the record
// counts refuses the open (text kNoChannelsFileText, naming freName); a record that counts none
// opens with an empty table (as a radio with no channel in use is read).
FileResult ParseDataFile(const AppState& st, std::span<const std::uint8_t> mainBytes,
                         std::span<const std::uint8_t> freBytes, bool freFound, RadioData& radio,
                         ChannelArray& channels, std::string_view freName = {});

}  // namespace rp
