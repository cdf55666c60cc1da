#pragma once
// Default data files for New. Both read the main record named by path and the channel file
// beside it; false when the file could not be read (the working data then keep their defaults).
#include <string>

namespace rp {

struct AppState;

// Takes the file's settings and builds the default channels anew.
bool LoadInitDataFile(AppState& st, const std::string& path);
// Takes the file's settings and keeps its channels 1, 2 and 201..206 (all of them with a
// factory frequency flag set).
bool LoadInitDataFileByBand(AppState& st, const std::string& path);

}  // namespace rp
