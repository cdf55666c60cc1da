#pragma once
// The radio memory image (AppState::CommImage, 16 384 bytes by radio address): its pre-fill and
// the drivers that run every area encoder before a write and every area decoder after a read.
// The area layouts are listed in docs/memory-map.md.
#include <string>
#include <vector>

#include "model/AppState.h"

namespace rp {

// Radio addresses of the transfer windows.
constexpr int kReadStartAddress = 0x0010;
constexpr int kWriteStartAddress = 0x0100;
constexpr int kInfoEndAddress = 0x00FF;
constexpr int kLastBlockAddress = 0x3FF0;
constexpr int kOldRadioEndAddress = 0x3D00;

// Pre-fills the image before a read, a write or a radio-information read. Bytes 0x0000-0x000F
// (the factory test data) are left as they are; every in-use bitmap becomes 0xFF (all free).
void InitCommImage(AppState& s);

// Runs the encoders in write order: scan, alert, channels and broadcast-radio list; then, only if
// that passed, option, 5-Tone, 2-Tone, DTMF and communication book (stopping at the first that
// fails); then always AM, MSK and bank. Returns false when any encoder failed: WriteAllowed is
// then false and errorLabel holds the first failing encoder's label (e.g.
// "SetCommDataByFrequencyError"). Nothing may be sent to the radio after a false.
bool SetCommData(AppState& s, std::string& errorLabel);
// The same, also collecting every text the encoders show, in order: notices such as
// "Name is too long!" (which do not stop the write) and each failing encoder's label.
bool SetCommData(AppState& s, std::string& errorLabel, std::vector<std::string>& messages);

// Runs the decoders in read order into CurRadioData, ChannelTable and CurRadioInfo. Model-dependent
// areas follow RadioModelCode. Decoders never fail: they take what the image holds.
void GetCommData(AppState& s);

// After a successful read, before GetCommData: takes the radio's identification into the data
// (CurModelName from CurModelCode, CurBandText and CurBandIndex from RadioBandText and
// RadioBandIndex, the band limits parsed from the band text).
void ApplyRadioIdent(AppState& s);

// The radio-information area (0x0010-0x00FF) into CurRadioInfo; used by GetCommData and at the
// end of a radio-information read.
void GetCommDataByInfo(AppState& s);

// The factory test-data block (0x0000-0x000F) into AppState::TestData. Only a read takes it: no
// write of this program sends block 0.
void GetCommDataByTestData(AppState& s);

}  // namespace rp
