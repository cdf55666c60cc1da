#pragma once
// The password dialog: asked during an exchange when the radio's password differs from the one
// typed last, and opened beforehand from the Program menu.
#include <QDialog>
#include <string>

#include "model/AppState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    // typed is the password to offer and, on OK, receives what the user confirmed (trailing
    // blanks removed); Cancel leaves it as it was.
    FrmPassWord(const AppState& st, std::string& typed, QWidget* parent = nullptr);

    bool PassWordOKFlag() const { return okFlag_; }

    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void CommandOK_Click();

    std::string& typed_;
    bool okFlag_ = false;
};

// Shows the dialog modally; true when it was closed with OK.
bool AskPassWord(const AppState& st, std::string& typed, QWidget* parent = nullptr);

}  // namespace rp
