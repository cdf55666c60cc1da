#pragma once
// The special-code composer: a data message, ANI or PTT-ID code for a row of the five-tone
// editor's grid or for one of its PTT-ID boxes.
#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

class Frm5Tone;

class FrmSpecial : public QDialog {
    Q_OBJECT
public:
    // mode: 0 a grid row, 1 the PTT-ID begin box, 2 the PTT-ID end box.
    FrmSpecial(Frm5Tone& owner, int mode, QWidget* parent = nullptr);

    std::array<QLabel*, 2> Label1{};
    std::array<QComboBox*, 2> Combo1{};  // 0 target row, 1 kind
    QGroupBox* Frame2 = nullptr;         // data message
    QGroupBox* Frame4 = nullptr;         // ANI
    std::array<QLabel*, 2> Label2{};
    std::array<QLineEdit*, 2> Text1{};   // 0 message's code, 1 ANI code
    QLabel* Label3 = nullptr;
    QLineEdit* Text2 = nullptr;          // message text
    QLabel* Label5 = nullptr;
    QComboBox* Combo3 = nullptr;         // separator digit
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCANCEL = nullptr;

    void Combo1_Click(int index);
    void Text1_LostFocus(int index);
    void CommandOK_Click();

private:
    void InitComboList();
    void ResetFrames();

    Frm5Tone& owner_;
    int mode_;
};

}  // namespace rp
