#pragma once
// The main window's side of its commands: message boxes, file dialogs, the data files and the
// exchange with the radio, with the step machine's user side (progress window, password,
// information viewer). One is installed on each main window.
#include <QObject>
#include <QPointer>
#include <memory>

#include "comm/CommPorts.h"
#include "kit/FrmProgress.h"
#include "shell/MainCommands.h"

class QTimer;

namespace rp {

class frmMain;
class QtCommLink;

class MainCommandHost : public QObject, public CommandHost, public CommUser {
    Q_OBJECT
public:
    explicit MainCommandHost(frmMain& w);
    ~MainCommandHost() override;

    // The host installed on the window (made on first use).
    static MainCommandHost& Of(frmMain& w);

    MainCommands& Commands() { return cmd_; }
    QtCommLink& Link() { return *link_; }
    FrmProgress* Progress() const { return progress_; }

    // Read, Write, the information read and the port choice are offered only while no exchange
    // runs.
    void UpdateCommActions();

    // CommandHost
    int Message(const std::string& text, int style) override;
    std::string SaveFirstText() override;
    std::optional<std::string> AskOpenFileName() override;
    std::optional<std::string> AskSaveFileName(const std::string& current) override;
    bool IsDataChanged() override;
    bool SaveDataFile() override;
    bool OpenDataFile() override;
    void NewDataFile() override;
    bool StartComm() override;
    void Abandon() override;
    void BeginRead() override;
    bool BeginWrite() override;
    void BeginInfoRead() override;

    // CommUser
    int MessageBox(const std::string& text, int style) override;
    bool AskPassword(std::string& typed) override;
    void ShowProgress() override;
    void SetProgress(int percent) override;
    void CloseProgress() override;
    void ShowRadioInfo(const RadioInfo& info) override;
    void DataReplaced() override;

protected:
    // Closing the window asks the save question first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& w_;
    AppState& s_;
    std::unique_ptr<QtCommLink> link_;
    MainCommands cmd_;
    QPointer<FrmProgress> progress_;
    QTimer* watch_ = nullptr;
};

}  // namespace rp
