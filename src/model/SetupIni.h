#pragma once
// The settings file mysetup.ini (section "language") and the choices start-up makes from the
// system: the language and the serial port.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"

namespace rp {

// 2 (Chinese) for the system locale zh_CN, in any spelling ("zh_CN", "zh-CN.UTF-8",
// "zh_Hans_CN"); 1 (English) for every other locale, zh_TW and zh_HK among them.
int ChooseLanguageIndex(std::string_view localeName);

// The port to use, given the configured "comPort" value and the ports the system lists:
// - a listed port (by device path or by its last path element) stays;
// - a number n, as older files hold, means the n-th listed port;
// - a device path that exists (a typed-in adapter or pseudo-terminal) stays;
// - anything else becomes the first listed port;
// - with no port listed at all, the configured value stays as it was.
std::string ResolveComPort(std::string_view configured, const std::vector<std::string>& ports,
                           const std::function<bool(const std::string&)>& deviceExists);

struct SetupIniResult {
    bool FileWritten = false;  // something had to be written and was
    bool WriteFailed = false;  // something had to be written and could not be
};

// Reads "IsFirstRun", "Skin", "comPort", "Handshaking", "StopBit" and "FactoryFres" from
// state.SetupIniPath into the state, resolves the port, and writes back what start-up records:
// "IsFirstRun" = "0" after a first run, "comPort" when it changed, and the default of every key
// that is missing (a missing file is created). A missing key or a value that is not a number
// takes its default: IsFirstRun 0, the first listed port, Handshaking 0, StopBit 1,
// FactoryFres 0. Never fails; a file that cannot be written is reported in the result.
SetupIniResult ReadSetupIni(AppState& state, const std::vector<std::string>& ports,
                            const std::function<bool(const std::string&)>& deviceExists);

}  // namespace rp
