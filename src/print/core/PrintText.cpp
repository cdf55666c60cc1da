#include "print/core/PrintText.h"

#include "model/LangText.h"

namespace rp {

namespace {

void Fill(std::array<std::string, 3>& table, const char* english, const char* chinese) {
    table[0].clear();
    table[1] = english;
    table[2] = chinese;
}

}  // namespace

void InitPrintText(AppState& s) {
    Fill(s.PrtTextFileName, "File Name", "文件名");
    Fill(s.PrtTextSelectAll, "Select &All", "选择所有(&A)");
    Fill(s.PrtTextClearAll, "&Clear All", "清除所有(&C)");
    Fill(s.PrtTextSet, "&Set", "设置(&S)");
    Fill(s.PrtTextChannel, "Channel Infomation", "信道信息");
    Fill(s.PrtTextVHFChannel, "VHF Channel Infomation", "VHF信道信息");
    Fill(s.PrtTextRadioChannel, "Radio Channel Infomation", "Radio信道信息");
    Fill(s.PrtTextOption, "Option", "功能设定");
    Fill(s.PrtTextDTMF, "DTMF", "DTMF");
    Fill(s.PrtText2Tone, "2Tone{DN}", "2Tone{DN}");
    Fill(s.PrtText5Tone, "5Tone", "5Tone");
    Fill(s.PrtTextCommBook, "Communication Book", "通信簿");
    Fill(s.PrtTextEmbedded, "Embedded Message", "嵌入信息");
    // Both titles carry the product name as the start-up language reads it.
    const std::string product = GetLangStr(s, 8900);
    s.PrtTextTitle[0].clear();
    s.PrtTextTitle[1] = product + " Radio Programming Information";
    s.PrtTextTitle[2] = product + " 对讲机编程信息";
    Fill(s.PrtTextOK, "&OK", "确定(&O)");
    Fill(s.PrtTextCancel, "&Cancel", "取消(&C)");
    Fill(s.PrtTextModelType, "Model Type", "机型类型");
    Fill(s.PrtTextFrequency, "Frequency", "频率");
    Fill(s.PrtTextSelectItems, "Please select printing items.", "请选择打印项目。");
    for (auto& row : s.PrtTextOnOff)
        for (auto& cell : row) cell.clear();
    s.PrtTextOnOff[1][1] = "OFF";
    s.PrtTextOnOff[2][1] = "ON";
    s.PrtTextOnOff[1][2] = "关";
    s.PrtTextOnOff[2][2] = "开";
}

std::string PrtOnOffText(const AppState& s, int value) {
    if (value != 0 && value != 1) return {};
    if (s.LanguageIndex < 0 || s.LanguageIndex > 2) return {};
    return s.PrtTextOnOff[value + 1][s.LanguageIndex];
}

const std::string& PrtText(const AppState& s, const std::array<std::string, 3>& table) {
    static const std::string empty;
    if (s.LanguageIndex < 0 || s.LanguageIndex > 2) return empty;
    return table[static_cast<std::size_t>(s.LanguageIndex)];
}

}  // namespace rp
