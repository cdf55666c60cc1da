#include "signalling/FrmCommuBook.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/CommBook.h"
#include "model/DataFiles.h"
#include "kit/DialogKit.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

// Call IDs are digits; names capitals, digits and blanks (small letters are taken as capitals).
kit::KeyFilter CellFilter(int col) {
    if (col == 1) return kit::MakeKeyFilter(kit::Keys::Digits, 5);
    kit::KeyFilter f;
    f.Allowed = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               c == QLatin1Char(' ');
    };
    f.MaxTyped = 6;
    f.Upper = true;
    return f;
}

// The book file's dialogs, like the data file's: the button's caption as the title, the book's
// files offered first, then all files, and ".cb" added to a name typed without one.
FileDialogRequest BookFileRequest(const AppState& s, int caption, bool save) {
    FileDialogRequest req;
    req.Save = save;
    req.Caption = PlainCaption(LangQ(s, caption));
    req.Filter = PlainCaption(LangQ(s, 1800)) + " (*.cb)";
    // A book kept under another name (a copy, a backup) can still be found.
    req.MoreFilters = {PlainCaption(LangQ(s, 1805)) + " (*)"};
    req.DefaultSuffix = "cb";
    return req;
}

}  // namespace

FrmCommuBook::FrmCommuBook(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmCommuBook");
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->SetRows(81);
    MSFlexGrid1->SetCols(3);
    Text1 = new QLineEdit(MSFlexGrid1->viewport());
    Text1->setObjectName("Text1");
    Text1->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    kit::BlockClipboardKeys(Text1);
    kit::OnEnter(Text1, [this] { Text1_KeyEnter(); });
    kit::SelectAllOnFocus(Text1);
    CommandInput = new QPushButton(this);
    CommandInput->setObjectName("CommandInput");
    CommandOutput = new QPushButton(this);
    CommandOutput->setObjectName("CommandOutput");
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    buttons->insertWidget(0, CommandInput);
    buttons->insertWidget(1, CommandOutput);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSFlexGrid1);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    MSFlexGrid1->SetKeysOpenEditors(true);
    connect(MSFlexGrid1, &FlexGrid::EnterCell, this, [this] { MSFlexGrid1_EnterCell(); });
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this] { MSFlexGrid1_EnterCell(); });
    connect(MSFlexGrid1, &FlexGrid::EditGivenUp, this, [this] { CurBookEditRow = CurBookEditCol = 0; });
    // Column 0 is the row header: a click on it commits the cell and puts the editor away.
    MSFlexGrid1->verticalHeader()->setSectionsClickable(true);
    connect(MSFlexGrid1->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (!IsFormLoaded) return;
        SaveEditCell(CurBookEditRow, CurBookEditCol);
        CurBookEditRow = section + 1;
        CurBookEditCol = 0;
        HideEditor();
    });
    connect(CommandInput, &QPushButton::clicked, this, [this] { CommandInput_Click(); });
    connect(CommandOutput, &QPushButton::clicked, this, [this] { CommandOutput_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    // However the dialog closes (OK, Cancel, Escape, the close box).
    connect(this, &QDialog::finished, this, [this] { Form_Unload(); });

    // Load.
    IsFormLoaded = false;
    Text1->hide();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
    SetFormCaption();
    InitGrid();
    GetBookData();
    ShowBookData();
    IsFormLoaded = true;
    resize(MSFlexGrid1->TwipsToPx(3000) + 80, 480);
}

void FrmCommuBook::SetFormCaption() {
    setWindowTitle(LangQ(s_, 1800));
    MSFlexGrid1->SetTextMatrix(0, 0, LangQ(s_, 3007));
    MSFlexGrid1->SetTextMatrix(0, 1, "Call ID");
    MSFlexGrid1->SetTextMatrix(0, 2, LangQ(s_, 1801));
    CommandInput->setText(LangQ(s_, 1802));
    CommandOutput->setText(LangQ(s_, 1803));
    CommandOK->setText(LangQ(s_, 101));
    CommandCancel->setText(LangQ(s_, 102));
}

void FrmCommuBook::InitGrid() {
    const QSignalBlocker block(MSFlexGrid1);
    MSFlexGrid1->SetColWidth(0, 500);
    MSFlexGrid1->SetColWidth(1, 1000);
    MSFlexGrid1->SetColWidth(2, 1500);
    for (int c = 0; c < 2; ++c) {
        if (auto* h = MSFlexGrid1->horizontalHeaderItem(c)) h->setForeground(QColor(0, 0, 155));
    }
    for (int r = 0; r < 80; ++r) {
        if (auto* h = MSFlexGrid1->verticalHeaderItem(r)) h->setForeground(QColor(0, 0, 255));
    }
    MSFlexGrid1->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSFlexGrid1->setCurrentCell(-1, -1);
}

void FrmCommuBook::GetBookData() {
    for (std::size_t i = 0; i < 80; ++i) s_.CommBookBuffer[i] = s_.CurRadioData.CommBookList[i];
}

void FrmCommuBook::SetBookData() {
    for (std::size_t i = 0; i < 80; ++i) s_.CurRadioData.CommBookList[i] = s_.CommBookBuffer[i];
}

void FrmCommuBook::ShowBookData() {
    for (int i = 0; i < 80; ++i) {
        const auto& e = s_.CommBookBuffer[static_cast<std::size_t>(i)];
        MSFlexGrid1->SetTextMatrix(i + 1, 0, QString::number(i));
        MSFlexGrid1->SetTextMatrix(i + 1, 1, kit::FromBytes(e.CallID.Trimmed()));
        MSFlexGrid1->SetTextMatrix(i + 1, 2, kit::FromBytes(e.Name.Trimmed()));
        for (int c = 1; c <= 2; ++c)
            if (auto* item = MSFlexGrid1->item(i, c - 1)) item->setTextAlignment(Qt::AlignCenter);
    }
}

void FrmCommuBook::HideEditor() {
    MSFlexGrid1->HideEditor(Text1);
    MSFlexGrid1->setFocus();
}

void FrmCommuBook::MSFlexGrid1_EnterCell() {
    if (!IsFormLoaded) return;
    const int row = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    if (row < 1 || col < 1) return;
    if (row == CurBookEditRow && col == CurBookEditCol) return;
    SaveEditCell(CurBookEditRow, CurBookEditCol);
    CurBookEditRow = row;
    CurBookEditCol = col;
    Text1->hide();
    if (auto* v = Text1->validator()) delete v;
    kit::SetKeyFilter(Text1, CellFilter(col));
    kit::SetText(Text1, MSFlexGrid1->TextMatrix(row, col));
    const QRect cell = MSFlexGrid1->CellRect(row, col);
    Text1->setGeometry(cell);
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->selectAll();
}

void FrmCommuBook::Text1_KeyEnter() {
    // Enter moves on as Tab does. Where that is the grid, the grid's keys act on its current
    // cell, so the cell shows what was typed and no editor stays over it; Enter opens it again.
    kit::MoveFocusOn(Text1);
    if (!MSFlexGrid1->hasFocus() || Text1->isHidden()) return;
    SaveEditCell(CurBookEditRow, CurBookEditCol);
    Text1->hide();
    CurBookEditRow = CurBookEditCol = 0;
}

void FrmCommuBook::SaveEditCell(int row, int col) {
    if (row < 1 || col < 1 || row > 80 || col > 2) return;
    auto& entry = s_.CommBookBuffer[static_cast<std::size_t>(row - 1)];
    const std::string shown = CommitBookCell(entry, col, kit::ToBytes(Text1->text()));
    MSFlexGrid1->SetTextMatrix(row, col, kit::FromBytes(shown));
}

bool FrmCommuBook::FreLoadBookFile() {
    if (!ReadCommBookFile(s_.CommBookFileName, s_.CommBookBuffer)) {
        MsgBox(QString::fromStdString(FileErrorText(s_.LanguageIndex)), MsgStyle::OkOnly);
        return false;
    }
    ShowBookData();
    return true;
}

bool FrmCommuBook::FreSaveBookFile() {
    SaveEditCell(CurBookEditRow, CurBookEditCol);
    if (!WriteCommBookFile(s_.CommBookFileName, s_.CommBookBuffer)) {
        MsgBox(QString::fromStdString(FileErrorText(s_.LanguageIndex)), MsgStyle::OkOnly);
        return false;
    }
    return true;
}

QString FrmCommuBook::BookFolder() const {
    // Where the user last was: the file chosen in this dialog, the book file of an earlier
    // import or export, the data file's folder; else the dialog's own choice.
    if (!lastFileName_.isEmpty()) return QFileInfo(lastFileName_).absolutePath();
    const QFileInfo book(QString::fromStdString(s_.CommBookFileName));
    if (book.isAbsolute()) return book.absolutePath();
    if (s_.IsNewData == 0) return QFileInfo(QString::fromStdString(s_.DataFileName)).absolutePath();
    return {};
}

void FrmCommuBook::CommandInput_Click() {
    FileDialogRequest req = BookFileRequest(s_, 1802, false);
    // The name last chosen here, export or import, is offered again: a book just exported is
    // one Enter away from coming back. A fresh opening offers the folder alone.
    req.FileName = lastFileName_.isEmpty() ? BookFolder() : lastFileName_;
    const auto name = AskFileName(this, req);
    if (!name) return;
    lastFileName_ = *name;
    s_.CommBookFileName = name->toStdString();
    // A refused file leaves the editor as it was, with what the user typed so far.
    if (!FreLoadBookFile()) return;
    // The open editor's old text must not be written over the imported entry later.
    Text1->hide();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
}

void FrmCommuBook::CommandOutput_Click() {
    FileDialogRequest req = BookFileRequest(s_, 1803, true);
    req.FileName = QString::fromStdString(s_.CommBookFileName);
    const QString folder = BookFolder();
    if (QFileInfo(req.FileName).isRelative() && !folder.isEmpty()) req.FileName = folder + "/" + req.FileName;
    const auto name = AskFileName(this, req);
    if (!name) return;
    lastFileName_ = *name;
    s_.CommBookFileName = name->toStdString();
    FreSaveBookFile();
}

void FrmCommuBook::CommandOK_Click() {
    SaveEditCell(CurBookEditRow, CurBookEditCol);
    SetBookData();
    accept();
}

void FrmCommuBook::Form_Unload() { SortCommuBook(s_.CurRadioData.CommBookList); }

}  // namespace rp
