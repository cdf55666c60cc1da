#pragma once
// The user tone set: one frequency for each of the sixteen tone digits, edited in the five-tone
// editor's edit copy.
#include <QDialog>
#include <array>

#include "model/AppState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

class Frm5ToneDefTS : public QDialog {
    Q_OBJECT
public:
    Frm5ToneDefTS(AppState& s, QWidget* parent = nullptr);

    std::array<QLineEdit*, 16> Text1{};
    std::array<QLabel*, 16> Label1{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void ShowByData();
    void Text1_LostFocus(int index);
    void CommandOK_Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    AppState& st_;
    int pending_ = -1;  // the tone box that has the focus and has not been clamped since
};

}  // namespace rp
