// The factory test-data block and the radio-information area.
#include <algorithm>

#include "comm/CommImage.h"
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kTestDataBlock = 0x0000;

// Radio-information area, 0x0010-0x00FF. The band code byte and the password (user code) sit
// where the radio keeps them; the other fields fill the rest of the area. The firmware version
// is not among them: the viewer shows the version the program set at start-up, so 0x0018-0x001B
// are never read.
constexpr int kInfoModelCode = 0x0010, kInfoModelWidth = 7;
constexpr int kBandCode = 0x0017;
constexpr int kAreaCode = 0x001C, kAreaWidth = 8;
constexpr int kManufactureCode = 0x0024;
constexpr int kSerialNumber = 0x002C;
constexpr int kProductionDate = 0x003C;
constexpr int kUserCode = 0x004C;  // the radio's programming password
constexpr int kMaintenanceDate = 0x0050;
constexpr int kMaintenanceReason = 0x0060;
constexpr int kDealerCode = 0x00C0;
constexpr int kStockDate = 0x00D0;
constexpr int kSellDate = 0x00E0;
constexpr int kSeller = 0x00F0;

// An information text ends at its first 0x00 or 0xFF, like the model and area codes: a radio
// whose area was erased holds 0xFF there, which is no character of the text.
template <std::size_t N>
void GetInfoText(std::span<const std::uint8_t> img, int addr, FixedText<N>& t) {
    t.SetNulTerminated(GetText(img, addr, static_cast<int>(N)));
}

}  // namespace

void GetCommDataByTestData(AppState& s) {
    TestDataBlock block;
    std::copy_n(s.CommImage.begin() + kTestDataBlock, block.size(), block.begin());
    s.TestData = block;
}

bool SetCommDataByInfo(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const RadioInfo& i = s.CurRadioInfo;
    w.Text(kInfoModelCode, kInfoModelWidth, i.InfoModelCode, 0x00);
    w.Byte(kBandCode, i.BandCode);
    w.Text(kAreaCode, kAreaWidth, i.AreaCode, 0x00);
    w.RawText(kManufactureCode, i.ManufactureCode);
    w.RawText(kSerialNumber, i.SerialNumber);
    w.RawText(kProductionDate, i.ProductionDate);
    w.RawText(kUserCode, i.UserCode);
    w.RawText(kMaintenanceDate, i.MaintenanceDate);
    w.RawText(kMaintenanceReason, i.MaintenanceReason);
    w.RawText(kDealerCode, i.DealerCode);
    w.RawText(kStockDate, i.StockDate);
    w.RawText(kSellDate, i.SellDate);
    w.RawText(kSeller, i.Seller);
    return FinishEncoder(s, w, "SetCommDataByInfoError", m);
}

void GetCommDataByInfo(AppState& s) {
    const auto img = ImageOf(s);
    RadioInfo& i = s.CurRadioInfo;
    i.InfoModelCode = GetText(img, kInfoModelCode, kInfoModelWidth);
    i.BandCode = GetImageByte(img, kBandCode);
    i.AreaCode = GetText(img, kAreaCode, kAreaWidth);
    GetInfoText(img, kManufactureCode, i.ManufactureCode);
    GetInfoText(img, kSerialNumber, i.SerialNumber);
    GetInfoText(img, kProductionDate, i.ProductionDate);
    GetInfoText(img, kUserCode, i.UserCode);
    GetInfoText(img, kMaintenanceDate, i.MaintenanceDate);
    GetInfoText(img, kMaintenanceReason, i.MaintenanceReason);
    GetInfoText(img, kDealerCode, i.DealerCode);
    GetInfoText(img, kStockDate, i.StockDate);
    GetInfoText(img, kSellDate, i.SellDate);
    GetInfoText(img, kSeller, i.Seller);
}

}  // namespace rp
