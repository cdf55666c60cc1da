// The factory test-data block and the radio-information area.
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

}  // namespace

void SetCommDataByTestData(AppState& s) {
    for (int i = 0; i < 16; ++i) s.CommImage[static_cast<std::size_t>(kTestDataBlock + i)] = s.TestData[static_cast<std::size_t>(i)];
}

void GetCommDataByTestData(AppState& s) {
    for (int i = 0; i < 16; ++i) s.TestData[static_cast<std::size_t>(i)] = s.CommImage[static_cast<std::size_t>(kTestDataBlock + i)];
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
    GetRawText(img, kManufactureCode, i.ManufactureCode);
    GetRawText(img, kSerialNumber, i.SerialNumber);
    GetRawText(img, kProductionDate, i.ProductionDate);
    GetRawText(img, kUserCode, i.UserCode);
    GetRawText(img, kMaintenanceDate, i.MaintenanceDate);
    GetRawText(img, kMaintenanceReason, i.MaintenanceReason);
    GetRawText(img, kDealerCode, i.DealerCode);
    GetRawText(img, kStockDate, i.StockDate);
    GetRawText(img, kSellDate, i.SellDate);
    GetRawText(img, kSeller, i.Seller);
}

}  // namespace rp
