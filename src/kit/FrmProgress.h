#pragma once
// The progress window of a read or write. It blocks the other windows while it shows but not the
// event loop, so the exchange runs on the replies and timers behind it.
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;

namespace rp {

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    FrmProgress(const QString& caption, const QString& labelText, QWidget* parent = nullptr);

    void SetProgressValue(int percent);
    // Closes the window as the end of the exchange; OnUserClose is not called.
    void Finish();

    // Runs once, from the event loop, right after the window first shows: the entry word goes
    // out from here.
    std::function<void()> OnLoad;
    // The user closed the window while the exchange ran. The window stays until the exchange
    // ends (Finish): a write asks first and may go on. Without it the window just closes.
    std::function<void()> OnUserClose;

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool loaded_ = false;
    bool finishing_ = false;
};

}  // namespace rp
