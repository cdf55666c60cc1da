#pragma once
// Runs the simulated radio program on a pseudo-terminal and drives whole exchanges through the
// real serial port against it. Shared by the end-to-end tests and the exchange benchmark.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "comm/CommPorts.h"
#include "model/AppState.h"

namespace rp::sim {

// The simradio program, started with the given arguments; Device() is its pseudo-terminal.
class PtyRadioProcess {
public:
    PtyRadioProcess(const QString& program, const QStringList& args) {
        proc_.setProgram(program);
        proc_.setArguments(args);
        proc_.setProcessChannelMode(QProcess::SeparateChannels);
        proc_.start();
        if (!proc_.waitForStarted(5000)) { error_ = "cannot start " + program.toStdString(); return; }
        QElapsedTimer t;
        t.start();
        while (!proc_.canReadLine() && t.elapsed() < 5000) proc_.waitForReadyRead(100);
        if (!proc_.canReadLine()) {
            error_ = "no device line: " + proc_.readAllStandardError().toStdString();
            return;
        }
        device_ = QString::fromLocal8Bit(proc_.readLine()).trimmed().toStdString();
    }
    ~PtyRadioProcess() { Stop(); }
    PtyRadioProcess(const PtyRadioProcess&) = delete;
    PtyRadioProcess& operator=(const PtyRadioProcess&) = delete;

    bool Ok() const { return !device_.empty(); }
    const std::string& Device() const { return device_; }
    const std::string& Error() const { return error_; }
    void Stop() {
        if (proc_.state() == QProcess::NotRunning) return;
        proc_.terminate();
        if (!proc_.waitForFinished(3000)) { proc_.kill(); proc_.waitForFinished(1000); }
    }

private:
    QProcess proc_;
    std::string device_;
    std::string error_;
};

// A user who answers every message with its first button and every password prompt with
// Cancel, and keeps what was shown.
class RecordingUser : public CommUser {
public:
    std::vector<std::pair<std::string, int>> Messages;
    int LastPercent = -1, ProgressShown = 0, ProgressClosed = 0, InfoShown = 0, Replaced = 0;

    int MessageBox(const std::string& text, int style) override {
        Messages.emplace_back(text, style);
        return style == MsgStyle::RetryCancel ? MsgButton::Cancel : MsgButton::Ok;
    }
    bool AskPassword(std::string&) override { return false; }
    void ShowProgress() override { ++ProgressShown; }
    void SetProgress(int percent) override { LastPercent = percent; }
    void CloseProgress() override { ++ProgressClosed; }
    void ShowRadioInfo(const RadioInfo&) override { ++InfoShown; }
    void DataReplaced() override { ++Replaced; }
};

// Turns the event loop until the exchange has ended or the time is up; false on time-out.
inline bool RunExchange(const AppState& st, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (st.CommMode != CommModes::Idle && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return st.CommMode == CommModes::Idle;
}

}  // namespace rp::sim
