// Stand-ins until the data-file loaders arrive: every default data file reads as absent.
#include "model/DataFiles.h"

namespace rp {

bool LoadInitDataFile(AppState&, const std::string&) { return false; }
bool LoadInitDataFileByBand(AppState&, const std::string&) { return false; }

}  // namespace rp
