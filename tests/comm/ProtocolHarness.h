#pragma once
// A whole exchange in one process: the step machine, the simulated radio on a simulated line,
// simulated timers, and a user whose answers are scripted.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SimLink.h"
#include "comm/ModComm.h"
#include "model/LangText.h"

namespace rp::test {

class ScriptedUser : public CommUser {
public:
    std::vector<std::pair<std::string, int>> Messages;
    // Answers to Retry/Cancel prompts and Yes/No questions; Cancel when none is left.
    std::deque<int> Buttons;
    std::deque<std::optional<std::string>> PassWords;  // nullopt = Cancel; Cancel when none left
    std::vector<std::string> Offered;                  // what the password dialog offered
    std::vector<int> Percents;
    int ProgressShown = 0, ProgressClosed = 0, InfoShown = 0, Replaced = 0;
    std::function<void()> WhileModal;  // runs inside every modal call

    int MessageBox(const std::string& text, int style) override {
        Messages.emplace_back(text, style);
        if (WhileModal) WhileModal();
        if (style != MsgStyle::RetryCancel && style != MsgStyle::QuestionYesNoDefaultNo) return MsgButton::Ok;
        if (Buttons.empty()) return MsgButton::Cancel;
        const int b = Buttons.front();
        Buttons.pop_front();
        return b;
    }
    bool AskPassword(std::string& typed) override {
        Offered.push_back(typed);
        if (WhileModal) WhileModal();
        if (PassWords.empty() || !PassWords.front()) {
            if (!PassWords.empty()) PassWords.pop_front();
            return false;
        }
        typed = *PassWords.front();
        PassWords.pop_front();
        return true;
    }
    void ShowProgress() override { ++ProgressShown; }
    void SetProgress(int percent) override { Percents.push_back(percent); }
    void CloseProgress() override { ++ProgressClosed; }
    void ShowRadioInfo(const RadioInfo&) override { ++InfoShown; }
    void DataReplaced() override { ++Replaced; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& m : Messages) t.push_back(m.first);
        return t;
    }
};

struct Exchange {
    AppState st;
    sim::SimClock clock;
    sim::SimRadio radio;
    sim::SimTransport port{clock, radio};
    sim::SimTimers timers{clock};
    ScriptedUser user;
    ModComm comm{st, port, timers, user};

    Exchange() {
        st.LangText = [](int id) { return "T" + std::to_string(id); };
        InitMsgString(st);
        st.ComPortName = "sim0";
    }
    // Runs until the exchange has ended; false when it is still running after a simulated
    // ten minutes (a hang).
    bool Run() {
        return clock.RunUntil([this] { return st.CommMode == CommModes::Idle; }, clock.Now() + 600'000'000);
    }
};

}  // namespace rp::test
