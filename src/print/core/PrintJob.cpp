#include "print/core/PrintJob.h"

#include <exception>

#include "print/core/PrtCommBook.h"

namespace rp::print {

bool AnyPrintItem(const std::array<int, 10>& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (i != 1 && i != 2 && flags[i] != 0) return true;
    return false;
}

bool PrintAllItems(const AppState& state, PrintSurface& surface, const std::array<int, 10>& flags,
                   const PrintSources& sources) {
    PrintJob job(state, surface, sources.DateTimeText);
    try {
        surface.Font.Size = 10;
        auto run = [&](int item, const PrintSection& section) {
            if (flags[static_cast<std::size_t>(item)] != 0 && section) section(job);
        };
        run(0, [&](PrintJob& j) { Prt_UHFChannel(j, sources.ChannelTexts); });
        run(3, sources.Option);
        run(4, sources.DTMF);
        run(5, sources.TwoTone);
        run(6, sources.FiveTone);
        run(7, [](PrintJob& j) { Prt_CommBook(j); });
        run(8, sources.EMG);
        run(9, sources.Alert);
        surface.EndDoc();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace rp::print
