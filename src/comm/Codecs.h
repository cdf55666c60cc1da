#pragma once
// The area codecs behind SetCommData and GetCommData, one encode/decode pair per area of the
// image (docs/memory-map.md). Encoders return false after a value they cannot place; they then
// have set WriteAllowed false and appended their label to messages. Decoders never fail.
#include <string>
#include <string_view>
#include <vector>

#include "comm/ImageFields.h"
#include "model/AppState.h"

namespace rp {

using Messages = std::vector<std::string>;

bool SetCommDataByScan(AppState& s, Messages& m);
bool SetCommDataByAlert(AppState& s, Messages& m);
bool SetCommDataByFrequency(AppState& s, Messages& m);
bool SetCommDataByOption(AppState& s, Messages& m);
bool SetCommDataBy5Tone(AppState& s, Messages& m);
bool SetCommDataBy2Tone(AppState& s, Messages& m);
bool SetCommDataByDTMF(AppState& s, Messages& m);
bool SetCommDataByDTMFCommuBook(AppState& s, Messages& m);
bool SetCommDataByAM(AppState& s, Messages& m);
bool SetCommDataByMSK(AppState& s, Messages& m);
bool SetCommDataByBank(AppState& s, Messages& m);
// Runs option, 5-Tone, 2-Tone, DTMF and book encoders, stopping at the first failure.
bool SetCommDataBySignal(AppState& s, Messages& m);
// Writes the radio-information area from CurRadioInfo. The program never sends this area to a
// radio; the encoder exists so the layout can be checked both ways.
bool SetCommDataByInfo(AppState& s, Messages& m);

void GetCommDataByFrequency(AppState& s);
void GetCommDataByScan(AppState& s);
void GetCommDataByAlert(AppState& s);
void GetCommDataByOption(AppState& s);
void GetCommDataBy5Tone(AppState& s);
void GetCommDataBy2Tone(AppState& s);
void GetCommDataByDTMF(AppState& s);
void GetCommDataByDTMFCommuBook(AppState& s);
void GetCommDataBySignal(AppState& s);
void GetCommDataByAM(AppState& s);
void GetCommDataByMSK(AppState& s);
void GetCommDataByBank(AppState& s);

// ---- helpers shared by the codecs ----
// Ends an encoder: on failure clears WriteAllowed and records the label.
bool FinishEncoder(AppState& s, const ImageWriter& w, const char* label, Messages& m);
// Model code comparisons trim the code first.
bool IsModel(std::string_view code, std::string_view model);
// The data's model and the radio's decide where the broadcast-radio and AM bitmaps lie.
int RadioListBitmapForData(const AppState& s);  // 0x0140 or 0x0260 by CurModelCode
int AMListBitmapForData(const AppState& s);
int RadioListBitmapForRadio(const AppState& s);  // by RadioModelCode
int AMListBitmapForRadio(const AppState& s);

inline std::span<const std::uint8_t> ImageOf(const AppState& s) { return {s.CommImage.data(), s.CommImage.size()}; }
inline ImageWriter WriterOf(AppState& s) { return ImageWriter({s.CommImage.data(), s.CommImage.size()}); }

}  // namespace rp
