#include "model/SetupIni.h"

#include <filesystem>
#include <optional>

#include "model/IniFile.h"
#include "model/Values.h"

namespace rp {
namespace {

constexpr std::string_view kSection = "language";

std::string LowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '-') c = '_';
    }
    return r;
}

std::string_view LastElement(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::optional<int> IntValue(const std::string& text) {
    const auto v = ParseNumber(text);
    if (!v) return std::nullopt;
    const auto n = ToInt16(RoundHalfEven(*v));
    if (!n) return std::nullopt;
    return *n;
}

std::string Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

}  // namespace

int ChooseLanguageIndex(std::string_view localeName) {
    std::string name = LowerAscii(localeName);
    name = name.substr(0, name.find_first_of(".@"));
    return name == "zh_cn" || name == "zh_hans_cn" ? 2 : 1;
}

std::string ResolveComPort(std::string_view configured, const std::vector<std::string>& ports,
                           const std::function<bool(const std::string&)>& deviceExists) {
    const std::string value = Trimmed(configured);
    if (ports.empty()) return value;
    if (!value.empty()) {
        for (const std::string& p : ports)
            if (p == value || LastElement(p) == value) return p;
        if (IsNumericText(value)) {
            const auto n = IntValue(value);
            if (n && *n >= 1 && static_cast<std::size_t>(*n) <= ports.size()) return ports[*n - 1];
        } else if (deviceExists && deviceExists(value)) {
            return value;
        }
    }
    return ports.front();
}

SetupIniResult ReadSetupIni(AppState& state, const std::vector<std::string>& ports,
                            const std::function<bool(const std::string&)>& deviceExists) {
    const std::optional<IniFile> loaded = IniFile::Load(state.SetupIniPath);
    IniFile file = loaded.value_or(IniFile());
    bool changed = false;
    auto setKey = [&](std::string_view key, const std::string& value) {
        file.Set(kSection, key, value);
        changed = true;
    };
    auto intKey = [&](std::string_view key, int fallback) {
        if (!file.Has(kSection, key)) {
            setKey(key, std::to_string(fallback));
            return fallback;
        }
        return IntValue(file.Get(kSection, key)).value_or(fallback);
    };

    // A flag is any number, true unless it is zero ("2" and "0.5" are true as well).
    auto flagKey = [&](std::string_view key) {
        if (!file.Has(kSection, key)) {
            setKey(key, "0");
            return false;
        }
        const auto v = ParseNumber(file.Get(kSection, key));
        return v && *v != 0;
    };

    // Read in the order the keys are listed; "Skin" is read and not used.
    state.IsFirstRun = flagKey("IsFirstRun");
    (void)file.Get(kSection, "Skin");
    const bool hadPort = file.Has(kSection, "comPort");
    const std::string configuredPort = file.Get(kSection, "comPort");
    state.HandshakingValue = intKey("Handshaking", 0);
    state.StopBitValue = intKey("StopBit", 1);
    state.FactoryFresFlag = intKey("FactoryFres", 0);

    if (state.NoInitFileFlag) state.IsFirstRun = false;
    state.ComPortName = ResolveComPort(configuredPort, ports, deviceExists);

    if (state.IsFirstRun) setKey("IsFirstRun", "0");
    if (!hadPort || state.ComPortName != Trimmed(configuredPort)) setKey("comPort", state.ComPortName);

    SetupIniResult result;
    std::error_code ec;
    if (changed && !loaded && std::filesystem::exists(state.SetupIniPath, ec)) {
        result.WriteFailed = true;  // there but unreadable: never replace it
    } else if (changed) {
        if (file.Save(state.SetupIniPath))
            result.FileWritten = true;
        else
            result.WriteFailed = true;
    }
    return result;
}

}  // namespace rp
