#pragma once
// The user side of the exchange in the Qt program: messages through the program's one message
// service, the password dialog, the information viewer. The progress window and the main
// window's refresh are plugged in by their owner.
#include <functional>

#include "comm/CommPorts.h"
#include "model/AppState.h"

class QWidget;

namespace rp {

class QtCommUser : public CommUser {
public:
    explicit QtCommUser(AppState& st, QWidget* parent = nullptr) : st_(st), parent_(parent) {}

    int MessageBox(const std::string& text, int style) override;
    bool AskPassword(std::string& typed) override;
    void ShowProgress() override { if (OnShowProgress) OnShowProgress(); }
    void SetProgress(int percent) override { if (OnSetProgress) OnSetProgress(percent); }
    void CloseProgress() override { if (OnCloseProgress) OnCloseProgress(); }
    void ShowRadioInfo(const RadioInfo& info) override;
    void DataReplaced() override { if (OnDataReplaced) OnDataReplaced(); }

    std::function<void()> OnShowProgress;
    std::function<void(int)> OnSetProgress;
    std::function<void()> OnCloseProgress;
    std::function<void()> OnDataReplaced;
    // Replaces the plain information list once the full viewer exists.
    std::function<void(const RadioInfo&)> OnShowRadioInfo;

private:
    AppState& st_;
    QWidget* parent_;
};

}  // namespace rp
