// Writes the default data files of the current model, one pair per band variant, from the
// program's built-in defaults: <model>_<band>.dat and .fre in the folder given.
#include <filesystem>
#include <iostream>
#include <string>

#include "model/AppState.h"
#include "model/BandText.h"
#include "model/DataFiles.h"
#include "model/NewData.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mkinit <Init folder>\n";
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "mkinit: cannot create " << dir << ": " << ec.message() << "\n";
        return 1;
    }
    for (int band = 0; band < rp::kBandVariants; ++band) {
        rp::AppState st;
        st.NoInitFileFlag = true;  // the files are made from the built-in defaults alone
        st.CurBandIndex = band;
        st.CurBandText = rp::GetBandRangeStr(band);
        rp::ParseFreBandStr(st, st.CurBandText);
        rp::NewData(st);
        const std::string path = (dir / (st.CurModelCode + "_" + std::to_string(band) + ".dat")).string();
        const rp::FileResult r = rp::SaveDataFile(st, path);
        if (!r.Ok()) {
            std::cerr << "mkinit: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
