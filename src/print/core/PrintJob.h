#pragma once
// The print job: the ticked sections in their fixed order, recorded onto a surface. Nothing
// reaches a printer here; the caller replays the recording once the job is complete.
#include <array>
#include <functional>
#include <string>

#include "model/AppState.h"
#include "print/core/PrintFrame.h"
#include "print/core/PrtChannel.h"

namespace rp::print {

using PrintSection = std::function<void(PrintJob&)>;

// Where the sections get what they print. A section left empty prints nothing.
struct PrintSources {
    std::function<ChannelBlockTexts(const AppState&)> ChannelTexts;
    // The sections that print an editor's show mapping (option, DTMF, 2-Tone, 5-Tone, embedded
    // message, alert); each starts on a fresh page and ends with its footer and a new page.
    PrintSection Option, DTMF, TwoTone, FiveTone, EMG, Alert;
    std::string DateTimeText;
};

// Items 1 and 2 have a tick but no section; only the others make a selection.
bool AnyPrintItem(const std::array<int, 10>& flags);

// Runs the sections whose flags are set onto surface and ends the document. Returns false when
// a section failed; the recording is then incomplete and must not be printed.
bool PrintAllItems(const AppState& state, PrintSurface& surface, const std::array<int, 10>& flags,
                   const PrintSources& sources);

}  // namespace rp::print
