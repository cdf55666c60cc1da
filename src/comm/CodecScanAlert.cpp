// Scan and alert settings: their record bytes one to one. Both records are plain bytes, so
// these encoders cannot fail.
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kScanSettings = 0x03B0;
constexpr int kAlertSettings = 0x03A0;
constexpr int kAlertGap = 0x03A7;  // the radio keeps something else here; never written

int AlertAddress(int i) {
    const int a = kAlertSettings + i;
    return a < kAlertGap ? a : a + 1;
}

}  // namespace

bool SetCommDataByScan(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const ScanData& d = s.CurRadioData.Signal.Scan;
    for (int i = 0; i < ScanData::kSize; ++i) w.Byte(kScanSettings + i, d.Byte(i));
    return FinishEncoder(s, w, "SetCommDataByScanError", m);
}

void GetCommDataByScan(AppState& s) {
    const auto img = ImageOf(s);
    ScanData& d = s.CurRadioData.Signal.Scan;
    for (int i = 0; i < ScanData::kSize; ++i) d.Byte(i) = GetImageByte(img, kScanSettings + i);
}

bool SetCommDataByAlert(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const AlertData& d = s.CurRadioData.Signal.Alert;
    for (int i = 0; i < AlertData::kSize; ++i) w.Byte(AlertAddress(i), d.Byte(i));
    return FinishEncoder(s, w, "SetCommDataByAlertError", m);
}

void GetCommDataByAlert(AppState& s) {
    const auto img = ImageOf(s);
    AlertData& d = s.CurRadioData.Signal.Alert;
    for (int i = 0; i < AlertData::kSize; ++i) d.Byte(i) = GetImageByte(img, AlertAddress(i));
}

}  // namespace rp
