#include "print/core/PrtEditorSections.h"

#include "print/core/PrtDTMF.h"
#include "print/core/PrtFiveTone.h"
#include "print/core/PrtSettings.h"
#include "print/core/PrtSignalling.h"

namespace rp::print {

void AddEditorSections(PrintSources& src) {
    src.Option = Prt_Option;
    src.DTMF = Prt_DTMF;
    src.TwoTone = Prt_2Tone;
    src.FiveTone = Prt_5Tone;
    src.EMG = Prt_EMG;
    src.Alert = Prt_Alert;
}

}  // namespace rp::print
