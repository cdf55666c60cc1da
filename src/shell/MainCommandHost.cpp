#include "shell/MainCommandHost.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QTimer>

#include "model/DataChanged.h"
#include "model/DataFiles.h"
#include "model/LangText.h"
#include "qtcomm/FrmPassWord.h"
#include "qtcomm/QtCommLink.h"
#include "settings/FrmEMG.h"
#include "kit/FileDialogs.h"
#include "kit/FrmProgress.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"
#include "shell/frmMain.h"

namespace rp {

namespace {
constexpr const char* kHostName = "MainCommandHost";
}

MainCommandHost::MainCommandHost(frmMain& w)
    : QObject(&w), w_(w), s_(w.State()), link_(std::make_unique<QtCommLink>(w.State(), *this)), cmd_(s_, *this) {
    setObjectName(kHostName);
    watch_ = new QTimer(this);
    watch_->setInterval(100);
    connect(watch_, &QTimer::timeout, this, &MainCommandHost::UpdateCommActions);
    w.installEventFilter(this);
}

MainCommandHost::~MainCommandHost() = default;

MainCommandHost& MainCommandHost::Of(frmMain& w) {
    if (auto* h = w.findChild<MainCommandHost*>(kHostName, Qt::FindDirectChildrenOnly)) return *h;
    return *new MainCommandHost(w);
}

void MainCommandHost::UpdateCommActions() {
    const bool idle = s_.CommMode == CommModes::Idle;
    for (const char* name : {"mnuProRead", "MnuProWrite", "MnuEMg", "MnuSetCom"})
        if (auto* a = w_.MenuAction(name)) a->setEnabled(idle);
    for (const char* key : {"TCommRead", "TCommPort", "TCommWrite"})
        if (auto* a = w_.ToolButton(key)) a->setEnabled(idle);
    // The exchange ends from a reply or a timer; the commands come back when it has.
    if (idle)
        watch_->stop();
    else if (!watch_->isActive())
        watch_->start();
}

int MainCommandHost::Message(const std::string& text, int style) {
    return MsgBox(QString::fromStdString(text), style);
}

std::string MainCommandHost::SaveFirstText() { return GetMsgStr(s_, "9001"); }

std::optional<std::string> MainCommandHost::AskOpenFileName() {
    FileDialogRequest r;
    r.Caption = PlainCaption(LangQ(s_, 1002));
    r.Filter = QString::fromStdString(Bilingual(s_, s_.DataFileText)) + " (*.dat)";
    r.DefaultSuffix = "dat";
    if (s_.IsNewData == 0) r.FileName = QFileInfo(QString::fromStdString(s_.DataFileName)).absolutePath();
    auto name = AskFileName(&w_, r);
    if (!name) return std::nullopt;
    return name->toStdString();
}

std::optional<std::string> MainCommandHost::AskSaveFileName(const std::string& current) {
    FileDialogRequest r;
    r.Save = true;
    r.Caption = PlainCaption(LangQ(s_, 1004));
    r.Filter = QString::fromStdString(Bilingual(s_, s_.DataFileText)) + " (*.dat)";
    r.DefaultSuffix = "dat";
    r.FileName = QString::fromStdString(current);
    auto name = AskFileName(&w_, r);
    if (!name) return std::nullopt;
    return name->toStdString();
}

bool MainCommandHost::IsDataChanged() { return rp::IsDataChanged(s_); }

bool MainCommandHost::SaveDataFile() {
    const FileResult r = rp::SaveDataFile(s_);
    if (!r.Ok()) {
        MsgBox(QString::fromStdString(r.Message), MsgStyle::OkOnly);
        return false;
    }
    // The title and status bar name the file; after Save As that is a new one.
    w_.ReShowListByData();
    return true;
}

bool MainCommandHost::OpenDataFile() {
    const FileResult r = rp::OpenDataFile(s_);
    if (!r.Ok()) {
        MsgBox(QString::fromStdString(r.Message), MsgStyle::OkOnly);
        return false;
    }
    w_.LoadShowByModel();
    w_.ReShowListByData();
    w_.ReShowRadioListByData();
    w_.ReShowAMListByData();
    for (const auto& warning : r.Warnings) MsgBox(QString::fromStdString(warning), MsgStyle::Exclamation);
    return true;
}

void MainCommandHost::NewDataFile() {
    rp::NewDataFile(s_);
    w_.ReShowListByData();
    w_.ReShowRadioListByData();
    w_.ReShowAMListByData();
}

bool MainCommandHost::StartComm() {
    const bool open = link_->Comm().StartComm();
    UpdateCommActions();
    return open;
}

void MainCommandHost::Abandon() {
    link_->Comm().Abandon();
    UpdateCommActions();
}

void MainCommandHost::BeginRead() {
    link_->Comm().BeginRead();
    UpdateCommActions();
}

bool MainCommandHost::BeginWrite() {
    const bool started = link_->Comm().BeginWrite();
    UpdateCommActions();
    return started;
}

void MainCommandHost::BeginInfoRead() {
    link_->Comm().BeginInfoRead();
    UpdateCommActions();
}

int MainCommandHost::MessageBox(const std::string& text, int style) { return Message(text, style); }

bool MainCommandHost::AskPassword(std::string& typed) { return AskPassWord(s_, typed, &w_); }

void MainCommandHost::ShowProgress() {
    CloseProgress();
    const int mode = s_.CommMode == CommModes::Write ? CommModes::Write : CommModes::Read;
    progress_ = new FrmProgress(QString::fromStdString(s_.CommTitleText[mode][s_.LanguageIndex == 2 ? 2 : 1]),
                                QString::fromStdString(Bilingual(s_, s_.ProgressLabelText)), &w_);
    progress_->OnUserClose = [this] {
        if (s_.CommMode != CommModes::Idle)
            link_->Comm().UserClosedProgress();
        else
            CloseProgress();
    };
    progress_->show();
}

void MainCommandHost::SetProgress(int percent) {
    if (progress_) progress_->SetProgressValue(percent);
}

void MainCommandHost::CloseProgress() {
    // Every end of an exchange passes here just before the operation word is reset: offer the
    // commands again as soon as it is, rather than at the watch's next look.
    QTimer::singleShot(0, this, &MainCommandHost::UpdateCommActions);
    if (!progress_) return;
    FrmProgress* p = progress_;
    progress_ = nullptr;
    p->Finish();
    p->deleteLater();
    // The end's message follows at once: the main window is where it must show.
    w_.activateWindow();
}

void MainCommandHost::ShowRadioInfo(const RadioInfo& info) {
    FrmEMG dlg(s_, info, &w_);
    dlg.exec();
}

void MainCommandHost::DataReplaced() {
    w_.LoadShowByModel();
    w_.ReShowListByData();
    w_.ReShowRadioListByData();
    w_.ReShowAMListByData();
}

bool MainCommandHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_ && event->type() == QEvent::Close) {
        // What an open cell editor holds counts as data before the question is asked.
        w_.CommitOpenEditors();
        if (!cmd_.CanExit()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rp
