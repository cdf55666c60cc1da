#include "kit/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace rp {

namespace {
ScopedFileDialogScript* g_script = nullptr;
}

ScopedFileDialogScript::ScopedFileDialogScript(std::deque<std::optional<QString>> answers)
    : answers_(std::move(answers)), previous_(g_script) {
    g_script = this;
}

ScopedFileDialogScript::~ScopedFileDialogScript() { g_script = previous_; }

std::optional<QString> AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (g_script) {
        g_script->requests_.push_back(request);
        if (g_script->answers_.empty() || !g_script->answers_.front()) {
            if (!g_script->answers_.empty()) g_script->answers_.pop_front();
            return std::nullopt;
        }
        const QString answer = *g_script->answers_.front();
        g_script->answers_.pop_front();
        return answer;
    }
    QFileDialog dlg(parent);
    PrepareFileDialog(dlg, request);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front();
}

void PrepareFileDialog(QFileDialog& dlg, const FileDialogRequest& request) {
    // Qt's own dialog speaks the program's language; a system dialog would speak the system's.
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    // The list of names only: the detail columns' file types come from the system in its own
    // language.
    dlg.setViewMode(QFileDialog::List);
    dlg.setWindowTitle(request.Caption);
    dlg.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (request.MoreFilters.isEmpty()) dlg.setNameFilter(request.Filter);
    else dlg.setNameFilters(QStringList{request.Filter} + request.MoreFilters);
    dlg.setDefaultSuffix(request.DefaultSuffix);
    // The dialog's own overwrite confirmation stays on: choosing an existing file by a slip of
    // the mouse must not replace it unasked.
    if (request.FileName.isEmpty()) return;
    // Selecting a folder as a file would open its parent with the folder marked as the choice.
    if (request.Save || !QFileInfo(request.FileName).isDir())
        dlg.selectFile(request.FileName);
    else
        dlg.setDirectory(request.FileName);
}

}  // namespace rp
