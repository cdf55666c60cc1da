#pragma once
// Rules that keep a channel's settings consistent with each other, shared by the channel dialog
// and the batch editor so both store the same combinations.
#include <vector>

namespace rp {

// Squelch modes are indexes of the full list of five. Mode 0 needs nothing, mode 1 a tone,
// mode 2 signalling, modes 3 and 4 both.
constexpr int kSquelchModeCount = 5;

// The modes a channel can use, ascending: {0}, {0, 2}, {0, 1} or {0, 1, 2, 3, 4}.
std::vector<int> OfferedSquelchModes(bool tonePresent, bool signallingPresent);
bool IsSquelchModeOffered(int mode, bool tonePresent, bool signallingPresent);
// The mode itself when it is offered, else 0.
int FitSquelchMode(int mode, bool tonePresent, bool signallingPresent);

// The tone kind (0 none, 1 CTCSS, 2 DCS) that opens the squelch: the encode side's while the
// channel listens on its transmit frequency (reverse on), else the decode side's.
int GoverningToneKind(int reverse, int encToneType, int decToneType);

}  // namespace rp
