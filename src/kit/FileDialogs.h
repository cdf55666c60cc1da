#pragma once
// The one way the program asks for a file name. Tests script the answers instead of a dialog.
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

class QFileDialog;
class QWidget;

namespace rp {

struct FileDialogRequest {
    bool Save = false;
    QString Caption;
    QString Filter;         // "Data File (*.dat)"
    QStringList MoreFilters;  // offered after Filter: "All files (*)"
    QString DefaultSuffix;  // without the dot
    QString FileName;       // offered name, or (Open) a folder to start in with no name
};

// Nothing when the user cancels.
std::optional<QString> AskFileName(QWidget* parent, const FileDialogRequest& request);

// Sets up a dialog for the request (the real dialog, before it is shown).
void PrepareFileDialog(QFileDialog& dlg, const FileDialogRequest& request);

// For tests: while it lives, dialogs are not shown; each request takes the next answer
// (nothing = Cancel) and is recorded.
class ScopedFileDialogScript {
public:
    explicit ScopedFileDialogScript(std::deque<std::optional<QString>> answers);
    ~ScopedFileDialogScript();
    ScopedFileDialogScript(const ScopedFileDialogScript&) = delete;
    ScopedFileDialogScript& operator=(const ScopedFileDialogScript&) = delete;

    void Add(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }
    const std::deque<FileDialogRequest>& Requests() const { return requests_; }
    std::size_t Pending() const { return answers_.size(); }

private:
    friend std::optional<QString> AskFileName(QWidget*, const FileDialogRequest&);
    std::deque<std::optional<QString>> answers_;
    std::deque<FileDialogRequest> requests_;
    ScopedFileDialogScript* previous_;
};

}  // namespace rp
