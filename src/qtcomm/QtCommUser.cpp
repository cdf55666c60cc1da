#include "qtcomm/QtCommUser.h"

#include <QString>

#include "qtcomm/FrmPassWord.h"
#include "settings/FrmEMG.h"
#include "kit/MsgBox.h"

namespace rp {

int QtCommUser::MessageBox(const std::string& text, int style) {
    return MsgBox(QString::fromStdString(text), style);
}

bool QtCommUser::AskPassword(std::string& typed) { return AskPassWord(st_, typed, parent_); }

void QtCommUser::ShowRadioInfo(const RadioInfo& info) {
    if (OnShowRadioInfo) {
        OnShowRadioInfo(info);
        return;
    }
    FrmEMG dialog(st_, info, parent_);
    dialog.exec();
}

}  // namespace rp
