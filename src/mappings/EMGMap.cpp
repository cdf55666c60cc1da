#include "mappings/EMGMap.h"

#include "model/BandText.h"
#include "model/ModelTable.h"
#include "model/ValueText.h"
#include "mappings/SettingsText.h"

namespace rp {

int EMGBandIndex(int bandCode) {
    const int rest = bandCode % 16;  // keeps the dividend's sign: a negative code, a negative rest
    return (bandCode - rest) / 2 + rest;
}

namespace {

struct CaptionSet {
    const char* Caption;
    const char* Label2;
    std::array<const char*, 14> Label1;
    const char* Frame1;
};

const CaptionSet kEnglish{
    "Embedded Message",
    "Area Code",
    {"Manufacture Code", "Radio Type", "Frequency", "Serial Number", "Producted Date", "Maintained Date",
     "Maintained", "Description", "Version", "User Code", "Dealer Code", "Stock Date", "Sell Date", "Seller"},
    "Dealer Information"};

const CaptionSet kChinese{
    "嵌入信息",
    "销售区号",
    {"生产批号", "机型", "频段", "序列号", "出厂日期", "维修日期", "维修原因", "", "固件版本", "客户代码",
     "经销商代码", "入库时间", "销售时间", "经手人"},
    "经销商信息"};

template <std::size_t N>
std::string Shown(const FixedText<N>& t) {
    return AnsiToUtf8(t.Trimmed());
}

}  // namespace

EMGShow ShowEMG(const AppState& s, const RadioInfo& info) {
    EMGShow v;
    const CaptionSet& c = s.LanguageIndex == 1 ? kEnglish : kChinese;
    v.Caption = c.Caption;
    v.Label2 = c.Label2;
    for (std::size_t i = 0; i < v.Label1.size(); ++i) v.Label1[i] = c.Label1[i];
    v.Frame1Caption = c.Frame1;
    const int lang = s.LanguageIndex == 1 ? 1 : 2;
    v.CloseCaption = s.CloseCaptionText[static_cast<std::size_t>(lang)];
    v.HelpCaption = s.HelpCaptionText[static_cast<std::size_t>(lang)];

    for (int b = 0; b < kBandVariants; ++b) v.BandItems.push_back(GetBandRangeStr(b));
    v.ModelItems = {GetModelName(s, AnsiToUtf8(info.InfoModelCode))};
    const int band = EMGBandIndex(info.BandCode);
    v.BandIndex = band >= 0 && band < kBandVariants ? band : 0;
    v.ComboText = {v.ModelItems[0], GetComboListText(v.BandItems, v.BandIndex)};

    v.Text1[0] = AnsiToUtf8(TrimNull(info.AreaCode));
    v.Text1[1] = Shown(info.SerialNumber);
    v.Text1[2] = Shown(info.ProductionDate);
    v.Text1[3] = Shown(info.MaintenanceDate);
    v.Text1[4] = Shown(info.MaintenanceReason);
    v.Text1[5] = AnsiToUtf8(info.FirmwareVersion);
    v.Text1[6] = Shown(info.ManufactureCode);
    v.Text1[7] = Shown(info.UserCode);
    v.Text1[8] = Shown(info.DealerCode);
    v.Text1[9] = Shown(info.StockDate);
    v.Text1[10] = Shown(info.SellDate);
    v.Text1[11] = Shown(info.Seller);
    return v;
}

}  // namespace rp
