#include "qtcomm/FrmPassWord.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "kit/DialogKit.h"
#include "model/FixedText.h"

namespace rp {

FrmPassWord::FrmPassWord(const AppState& st, std::string& typed, QWidget* parent)
    : QDialog(parent), typed_(typed) {
    setObjectName("FrmPassWord");
    auto text = [&st](int id) { return QString::fromStdString(st.LangText ? st.LangText(id) : std::string()); };
    setWindowTitle(text(3100));

    Label1 = new QLabel(text(3101), this);
    Label1->setObjectName("Label1");
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setEchoMode(QLineEdit::Password);
    // One "*" per character, whatever mask character the style would choose.
    Text1->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Text1->setMaxLength(4);
    // The radio keeps the password as single-byte characters; a validator also covers paste.
    Text1->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]{0,4}"), Text1));
    Text1->setText(QString::fromStdString(typed_));
    Label1->setBuddy(Text1);
    // The password offered again is selected, so what the user types replaces it.
    kit::SelectAllOnFocus(Text1);

    CommandOK = new QPushButton(text(101), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(text(102), this);
    CommandCancel->setObjectName("CommandCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    connect(CommandOK, &QPushButton::clicked, this, &FrmPassWord::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPassWord::CommandOK_Click() {
    okFlag_ = true;
    typed_ = TrimNull(Text1->text().toLatin1().toStdString());
    accept();
}

bool AskPassWord(const AppState& st, std::string& typed, QWidget* parent) {
    FrmPassWord dialog(st, typed, parent);
    dialog.exec();
    return dialog.PassWordOKFlag();
}

}  // namespace rp
