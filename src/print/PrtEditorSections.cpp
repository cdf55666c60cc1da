#include "print/PrtEditorSections.h"

#include "print/PrtDTMF.h"
#include "print/PrtFiveTone.h"
#include "print/PrtSettings.h"
#include "print/PrtSignalling.h"

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
