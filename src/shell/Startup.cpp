#include "shell/Startup.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSerialPortInfo>
#include <clocale>

#include "comm/ModComm.h"
#include "model/BandText.h"
#include "model/LangText.h"
#include "mappings/ModBatch.h"
#include "model/ModelTable.h"
#include "model/NewData.h"
#include "model/SetupIni.h"
#include "print/core/PrintText.h"
#include "kit/AppPaths.h"
#include "kit/Language.h"
#include "kit/MsgBox.h"
#include "kit/QtTranslations.h"

namespace rp {

StartupEnvironment SystemStartupEnvironment() {
    StartupEnvironment env;
    env.ProgramDir = ProgramDir();
    env.LocaleName = QLocale::system().name();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        env.Ports.push_back(info.systemLocation().toStdString());
    env.DeviceExists = [](const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); };
    return env;
}

char UseDotDecimalSeparator() {
    const QString sep = QLocale::system().decimalPoint();
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    return sep.size() == 1 && sep.at(0).unicode() < 0x80 ? static_cast<char>(sep.at(0).unicode()) : '.';
}

void ApplyLanguage(AppState& state, int languageIndex) {
    SetLanguage(state, languageIndex);
    SetMsgBoxTitle(LangStr(state, 8900));
    ApplyQtLanguage(state);
}

void InitCurEditCell(AppState& state) {
    state.CurEditRow = 0;
    state.CurEditCol = 0;
}

void Main(AppState& state, const StartupEnvironment& env) {
    state.NoInitFileFlag = false;
    state.HelpFileFlag = 0;
    state.PrintMenuFlag = 0;
    state.ForceFactoryFres = 0;
    state.NoEchoFlag = true;

    state.SavedDecimalSep = UseDotDecimalSeparator();

    state.ProgramDir = QDir::cleanPath(env.ProgramDir).toStdString();
    ApplyLanguage(state, ChooseLanguageIndex(env.LocaleName.toStdString()));

    state.CurChannelNo = 0;
    state.TypedPassWord.clear();
    state.RadioBandLow = 76.0;
    state.RadioBandHigh = 108.0;
    state.AMBandLow = 118.0;
    state.AMBandHigh = 136.0;

    state.RadioModelCode = "6173USD";
    state.CurModelCode = "6173USD";
    state.CurModelName = GetModelName(state, state.CurModelCode);
    state.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
    state.CurBandIndex = 0;
    state.RadioVersion = "V100";
    state.CurVersionText = "V100";
    ParseFreBandStr(state);

    state.EchoLength = 0;
    state.ReadBlockSize = 16;
    state.WriteBlockSize = 16;

    state.SetupIniPath =
        (env.SetupIniPath.isEmpty() ? SetupIniPath(env.ProgramDir) : env.SetupIniPath).toStdString();
    ReadSetupIni(state, env.Ports, env.DeviceExists);

    InitCurEditCell(state);
    NewData(state);
    InitRadioInfo(state);
    InitMsgString(state);
    InitFunLangText(state);
    InitPrintText(state);
    CheckTestDataMarker(state);
    state.BatchFunIniPath =
        (env.BatchFunIniPath.isEmpty() ? BatchFunIniPath(env.ProgramDir) : env.BatchFunIniPath).toStdString();
    LoadBatchFun(state);
}

}  // namespace rp
