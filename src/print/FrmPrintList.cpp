#include "print/FrmPrintList.h"

#include <QCheckBox>
#include <algorithm>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <iterator>

#include "print/core/PrtEditorSections.h"
#include "print/QtPrint.h"
#include "print/core/PrintText.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

// The dialog's layout numbers are twips; 15 twips make a pixel at the usual 96 dpi.
QRect Twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

print::PrintSources MakePrintSources(const AppState&) {
    print::PrintSources src;
    src.DateTimeText = print::PrintDateTimeText();
    print::AddEditorSections(src);
    return src;
}

FrmPrintList::FrmPrintList(AppState& st, QPrinter& printer, QWidget* parent)
    : QDialog(parent), st_(st), printer_(printer) {
    setObjectName("FrmPrintList");
    setWindowTitle(QStringLiteral("打印列表"));
    setFixedSize(6795 / 15, 3705 / 15);

    for (int i = 0; i < 10; ++i) {
        Check1[i] = new QCheckBox(this);
        Check1[i]->setObjectName(QString("Check1_%1").arg(i));
    }
    Check1[0]->setGeometry(Twips(480, 480, 3975, 225));
    for (int i = 3; i <= 8; ++i) Check1[i]->setGeometry(Twips(480, 840 + 360 * (i - 3), 1935, 225));
    Check1[9]->setGeometry(Twips(480, 3000, 3255, 225));
    // Items 1 and 2 lie below the client area, out of sight.
    Check1[1]->setGeometry(Twips(480, 3720, 1935, 225));
    Check1[2]->setGeometry(Twips(480, 4080, 1935, 225));

    auto button = [&](const char* name, QRect r) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        return b;
    };
    CommandSelAll = button("CommandSelAll", Twips(4800, 960, 1575, 345));
    CommandClrAll = button("CommandClrAll", Twips(4800, 1320, 1575, 345));
    CommandSet = button("CommandSet", Twips(4800, 1680, 1575, 345));
    Command1 = button("Command1", Twips(4080, 2640, 1095, 375));
    Command2 = button("Command2", Twips(5400, 2640, 975, 375));
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);

    // Tab keeps the dialog's own numbering: Set first (the focus when it opens), then Cancel,
    // OK, Clear All, Select All and the items 4, 3, 0, 5 to 9. The two boxes out of sight take
    // no stop.
    Check1[1]->setFocusPolicy(Qt::NoFocus);
    Check1[2]->setFocusPolicy(Qt::NoFocus);
    QWidget* const order[] = {CommandSet, Command2,  Command1,  CommandClrAll, CommandSelAll,
                              Check1[4],  Check1[3], Check1[0], Check1[5],     Check1[6],
                              Check1[7],  Check1[8], Check1[9]};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    CommandSet->setFocus();
    kit::FocusFrameFromStart(this);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(CommandSelAll, &QPushButton::clicked, this, [this] { CommandSelAll_Click(); });
    connect(CommandClrAll, &QPushButton::clicked, this, [this] { CommandClrAll_Click(); });
    connect(CommandSet, &QPushButton::clicked, this, [this] { CommandSet_Click(); });

    ExecPrintDialog = [](QPrinter& p, QWidget* parent) {
        QPrintDialog dlg(&p, parent);
        // The replay honours the page range, the order and the copies; the printout has no
        // selection and no current page, so those are not offered.
        dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                       QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
        return dlg.exec() == QDialog::Accepted;
    };
    ExecSetupDialog = [](QPrinter& p, QWidget* parent) {
        QPageSetupDialog dlg(&p, parent);
        dlg.exec();
    };
    Sources = MakePrintSources(st_);

    ChangShowByLanguage();
}

void FrmPrintList::ChangShowByLanguage() {
    const AppState& s = st_;
    CommandSelAll->setText(Q(PrtText(s, s.PrtTextSelectAll)));
    CommandClrAll->setText(Q(PrtText(s, s.PrtTextClearAll)));
    CommandSet->setText(Q(PrtText(s, s.PrtTextSet)));
    const std::array<std::string, 3>* tables[] = {&s.PrtTextChannel, &s.PrtTextVHFChannel, &s.PrtTextRadioChannel,
                                                  &s.PrtTextOption,  &s.PrtTextDTMF,       &s.PrtText2Tone,
                                                  &s.PrtText5Tone,   &s.PrtTextCommBook,   &s.PrtTextEmbedded};
    for (int i = 0; i <= 8; ++i) Check1[i]->setText(Q(PrtText(s, *tables[i])));
    Check1[9]->setText(LangQ(s, 2600));
    // The layout's widths suit a smaller system font than today's desktops use: a caption that
    // needs more room gets it, up to the buttons' column, so no item is cut short.
    const int room = CommandSelAll->x() - Check1[0]->x() - 1;
    for (auto* c : Check1) c->resize(std::clamp(c->sizeHint().width(), c->width(), std::max(room, c->width())), c->height());
    Command1->setText(Q(PrtText(s, s.PrtTextOK)));
    Command2->setText(Q(PrtText(s, s.PrtTextCancel)));
}

std::array<int, 10> FrmPrintList::GetPrintItems() const {
    std::array<int, 10> flags{};
    for (int i = 0; i < 10; ++i) flags[i] = Check1[i]->isChecked() ? 1 : 0;
    return flags;
}

void FrmPrintList::CommandSelAll_Click() {
    for (auto* c : Check1) kit::SetChecked(c, true);
}

void FrmPrintList::CommandClrAll_Click() {
    for (auto* c : Check1) kit::SetChecked(c, false);
}

void FrmPrintList::CommandSet_Click() {
    if (ExecSetupDialog) ExecSetupDialog(printer_, this);
}

void FrmPrintList::Command1_Click() {
    const auto flags = GetPrintItems();
    if (!print::AnyPrintItem(flags)) {
        MsgBox(Q(PrtText(st_, st_.PrtTextSelectItems)), MsgStyle::Exclamation);
        return;
    }
    st_.PrintItemFlags = flags;
    PrintAllItems();
    if (st_.PrintJobOK) accept();
}

void FrmPrintList::Command2_Click() { reject(); }

void FrmPrintList::PrintAllItems() {
    st_.PrintJobOK = true;
    LastPages.clear();
    LastPrinted.clear();
    // The printer keeps the range, the order and the copies between dialogs; left there, a
    // range chosen once would print again, unseen behind the dialog's options, next time.
    print::StartPageChoiceAfresh(printer_);
    // Cancel in the printer dialog prints nothing and says nothing.
    if (!ExecPrintDialog || !ExecPrintDialog(printer_, this)) {
        st_.PrintJobOK = false;
        return;
    }
    // Measured on the printer as the user just set it up; the whole job is recorded before
    // a single page goes out, so a failure prints nothing at all.
    const QString family = print::PrintFontFamily(st_);
    print::QtPrintMetrics metrics(printer_, family);
    print::PrintSurface surface(metrics);
    Sources.DateTimeText = print::PrintDateTimeText();
    bool ok = print::PrintAllItems(st_, surface, st_.PrintItemFlags, Sources);
    if (ok) {
        LastPages = surface.Pages();
        LastPrinted = print::PagesToPrint(LastPages.size(), print::PrinterPageChoice(printer_));
        if (LastPrinted.empty() && !LastPages.empty()) {
            // A range past the end of the printout: nothing is sent, the dialog stays open.
            st_.PrintJobOK = false;
            MsgBox(LangQ(st_, 8961) + " " + QString::number(LastPages.size()), MsgStyle::Exclamation);
            return;
        }
        ok = print::ReplayOnPrinter(LastPages, LastPrinted, printer_, family);
    }
    if (!ok) {
        st_.PrintJobOK = false;
        MsgBox(LangQ(st_, 8960), MsgStyle::Critical);
    }
}

}  // namespace rp
