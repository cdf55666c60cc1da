// The in-place editors of the main window's grids and the commit of what they hold.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <algorithm>

#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "model/FixedText.h"
#include "model/ListFreqCheck.h"
#include "model/Repairs.h"
#include "model/ToneLists.h"
#include "model/ValueText.h"
#include "model/Values.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "shell/MainGridText.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"
#include "channels/FrmCHEdit.h"

namespace rp {

namespace {

bool IsEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

// Enter or F2 on a grid's cell edits it.
bool OpensCellEditor(const QKeyEvent* k) {
    return IsEnter(k) || (k->key() == Qt::Key_F2 && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
}

bool IsClipboardKey(const QKeyEvent* k) {
    return k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Paste) ||
           k->matches(QKeySequence::Cut);
}

// The validators hold typed, pasted, dropped and composed text to the same characters.
QValidator* FreqValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), parent);
}

// Printable ASCII except "\" and "~", which the radio's character set lacks.
QValidator* NameValidator(QObject* parent) {
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x20-\\x5B\\x5D-\\x7D]*")), parent);
}

int IndexIn(const QComboBox* c, int index) { return index >= 0 && index < c->count() ? index : -1; }

}  // namespace

void frmMain::ShowMessage(const std::string& text, int style) {
    MsgBox(QString::fromStdString(text), style);
}

void frmMain::WireEditors() {
    for (auto* e : {TextFreRx, TextFreTx, Text2, Text3}) e->setValidator(FreqValidator(e));
    TextName->setValidator(NameValidator(TextName));
    TextName->setMaxLength(static_cast<int>(decltype(ChannelData::Name)::Size));
    for (QWidget* w : std::initializer_list<QWidget*>{
             TextFreRx, TextFreTx, TextName, Text2, Text3, ComboStep, ComboWN, ComboPower,
             ComboDe_CTC_Type, ComboDe_CTCSS, ComboDe_CDCSS, ComboEn_CTC_Type, ComboEn_CTCSS,
             ComboEn_CDCSS, ComboOptSig, ListBank}) {
        w->installEventFilter(this);
    }

    // A choice is written when the user makes it (activated), never when the program sets
    // the list to show the record.
    connect(ComboStep, &QComboBox::activated, this, [this](int i) { ListChosen(4, 0, i); });
    connect(ComboWN, &QComboBox::activated, this, [this](int i) { ListChosen(5, 0, i); });
    connect(ComboPower, &QComboBox::activated, this, [this](int i) { ListChosen(7, 0, i); });
    connect(ComboOptSig, &QComboBox::activated, this, [this](int i) {
        ListChosen(10, 0, GetSignalTypeCode(ComboOptSig->itemText(i).toStdString()));
    });
    connect(ComboDe_CTC_Type, &QComboBox::activated, this, [this](int i) { ToneKindChosen(true, i); });
    connect(ComboEn_CTC_Type, &QComboBox::activated, this, [this](int i) { ToneKindChosen(false, i); });
    connect(ComboDe_CTCSS, &QComboBox::activated, this, [this](int i) {
        if (!IsEditorFilling) ListChosen(8, 1, i);
    });
    connect(ComboEn_CTCSS, &QComboBox::activated, this, [this](int i) {
        if (!IsEditorFilling) ListChosen(9, 1, i);
    });
    connect(ComboDe_CDCSS, &QComboBox::activated, this, [this](int i) {
        if (!IsEditorFilling) ListChosen(8, 2, i);
    });
    connect(ComboEn_CDCSS, &QComboBox::activated, this, [this](int i) {
        if (!IsEditorFilling) ListChosen(9, 2, i);
    });

    ListBank->clear();
    for (int b = 1; b <= kBankCount; ++b) {
        auto* it = new QListWidgetItem(BankItemText(b), ListBank);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
    ListBank->setFixedHeight(ListBank->sizeHintForRow(0) * kBankCount + 2 * ListBank->frameWidth());
    connect(ListBank, &QListWidget::itemChanged, this, [this](QListWidgetItem* it) { ListBank_ItemCheck(it); });

    // Enter and F2 open an editor only from the grid itself: F2 in an open editor must not store it
    // and open it anew. The window's own focus decides, as it decides where the keys go: in a
    // window that is not the active one (a message box just closed) no widget has the focus, yet
    // the grid takes the arrows and must take Enter and F2 as well.
    const auto onGrid = [this](const QWidget* g) { return focusWidget() == g; };
    auto* g0 = MSFlexGrid1[0];
    connect(g0, &FlexGrid::GridKeyPress, this, [this, g0, onGrid](QKeyEvent* k) {
        if (OpensCellEditor(k)) {
            if (!onGrid(g0)) return;
            MSFlexGrid1_DblClick(0);
            k->accept();
        } else if (ChannelEditorOpen()) {
            // The channel under an open editor is the editor's until it closes.
            if (IsClipboardKey(k)) k->accept();
        } else if (MSFlexGrid1_KeyDown(0, k->key(), k->modifiers())) {
            k->accept();
        }
    });
    for (int i = 1; i < 4; ++i) {
        connect(MSFlexGrid1[i], &QTableWidget::cellClicked, this, [this, i](int, int) { MSFlexGrid1_EnterCell(i); });
    }
    // The station lists open their editor when a cell is entered; after Esc the keys open it
    // again on the same cell, as on the channel grid.
    for (int i : {2, 3}) {
        auto* g = MSFlexGrid1[i];
        connect(g, &FlexGrid::GridKeyPress, this, [this, g, i, onGrid](QKeyEvent* k) {
            if (!OpensCellEditor(k) || !onGrid(g)) return;
            MSFlexGrid1_EnterCell(i);
            k->accept();
        });
    }
    connect(g0, &QTableWidget::cellClicked, this, [this](int, int) { MSFlexGrid1_EnterCell(0); });
}

bool frmMain::eventFilter(QObject* o, QEvent* e) {
    if (o == tvTreeView->viewport()) {
        // A click on the tree beside a node's text (an expand arrow, the space below the nodes)
        // clicks no node, yet it takes the keys from an open cell editor: end its edit as a click
        // on a node does. A click on a node's text does that as the node's click.
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const QPoint at = static_cast<QMouseEvent*>(e)->position().toPoint();
            QTreeWidgetItem* item = tvTreeView->itemAt(at);
            if (!item || !tvTreeView->visualItemRect(item).contains(at)) CommitOpenEditors();
        }
        return QMainWindow::eventFilter(o, e);
    }
    if (o == tvTreeView) {
        // A node reached with the keys does on Enter or Space what a click on it does.
        if (e->type() != QEvent::KeyPress) return QMainWindow::eventFilter(o, e);
        auto* k = static_cast<QKeyEvent*>(e);
        const auto mods = k->modifiers() & ~Qt::KeypadModifier;
        QTreeWidgetItem* item = tvTreeView->currentItem();
        if (!item || mods != Qt::NoModifier || (!IsEnter(k) && k->key() != Qt::Key_Space)) return false;
        tvTreeView_NodeClick(item->data(0, Qt::UserRole).toString());
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Clipboard keys do nothing in the editors, text or list: let through, they would reach
        // the grid under the editor and cut or paste the channel being edited. Nor must they
        // reach the window's shortcuts.
        if (IsClipboardKey(k)) {
            k->accept();
            return true;
        }
        if (e->type() == QEvent::ShortcutOverride) return false;
        if (EditorKey(static_cast<QWidget*>(o), k)) return true;
        if (o == ListBank && BankListKey(k)) return true;
        auto* combo = qobject_cast<QComboBox*>(o);
        if (combo && (combo == ComboDe_CTC_Type || combo == ComboEn_CTC_Type || combo == ComboDe_CTCSS ||
                      combo == ComboDe_CDCSS || combo == ComboEn_CTCSS || combo == ComboEn_CDCSS)) {
            if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Up || k->key() == Qt::Key_Right ||
                k->key() == Qt::Key_Down) {
                // Browsing happens in the open list, so nothing is written on the way.
                combo->showPopup();
                return true;
            }
        }
        if (IsEnter(k)) {
            if (o == Text2) ListEditorEnter(2);
            else if (o == Text3) ListEditorEnter(3);
            else EditorEnter(static_cast<QWidget*>(o));
            return true;
        }
        return false;
    }
    // No select-all on a focus-in: the editors select their text when they open. The focus also
    // comes back to an open editor from another window, a menu or a message box, and the user
    // goes on typing where the caret was.
    return QMainWindow::eventFilter(o, e);
}

int frmMain::GridOfEditor(const QWidget* editor) const {
    if (editor == Text2) return 2;
    if (editor == Text3) return 3;
    return 0;
}

bool frmMain::ChannelEditorOpen() const {
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             TextFreRx, TextFreTx, TextName, ComboStep, ComboWN, ComboPower, ComboDe_CTC_Type, ComboDe_CTCSS,
             ComboDe_CDCSS, ComboEn_CTC_Type, ComboEn_CTCSS, ComboEn_CDCSS, ComboOptSig, ListBank})
        if (!w->isHidden()) return true;
    return false;
}

void frmMain::HideEditor(QWidget* editor) { MSFlexGrid1[GridOfEditor(editor)]->HideEditor(editor); }

bool frmMain::EditorKey(QWidget* editor, QKeyEvent* k) {
    const int grid = GridOfEditor(editor);
    if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier) {
        // Given up: the cell and the data keep what they had.
        HideEditor(editor);
        auto* g = MSFlexGrid1[grid];
        if (grid == 0 && ChEditRow >= 1 && ChEditCol >= 1 && (g->Row() != ChEditRow || g->Col() != ChEditCol))
            g->SetCell(ChEditRow, ChEditCol);
        return true;
    }
    if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
        !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Tab closes the editor as Enter does, and the grid keeps the keys.
        if (grid == 0) {
            SaveOldData();
        } else {
            SaveOldGridData(grid);
            HideEditor(editor);
        }
        MSFlexGrid1[grid]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool frmMain::BankListKey(const QKeyEvent* k) {
    // The list takes its own moves; at its first and last bank it would pass them on to the grid
    // under it, which moves its cell and so closes the list.
    if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const int cur = ListBank->currentRow();
    const int last = ListBank->count() - 1;
    int row = -1;
    switch (k->key()) {
    case Qt::Key_Up: row = std::max(cur - 1, 0); break;
    case Qt::Key_Down: row = cur < 0 ? 0 : std::min(cur + 1, last); break;
    // Every bank is in sight: a page is the whole list.
    case Qt::Key_Home:
    case Qt::Key_PageUp: row = 0; break;
    case Qt::Key_End:
    case Qt::Key_PageDown: row = last; break;
    default: return false;
    }
    if (row != cur) ListBank->setCurrentRow(row);
    return true;
}

void frmMain::EditorEnter(QWidget* editor) {
    if (editor == ComboDe_CTC_Type || editor == ComboEn_CTC_Type) {
        const bool decode = editor == ComboDe_CTC_Type;
        SaveOldData();
        MSFlexGrid1[0]->setFocus();
        ShowToneCombo(decode, 1);
        return;
    }
    SaveOldData();
    MSFlexGrid1[0]->setFocus();
}

void frmMain::ListEditorEnter(int grid) {
    auto* g = MSFlexGrid1[grid];
    const int cur = grid == 2 ? RadioCurRow : AMCurRow;
    const int col = grid == 2 ? RadioCurCol : AMCurCol;
    // After the last entry (the VFO row included) the edit wraps to the first.
    const int next = cur + 1 <= g->Rows() - 1 ? cur + 1 : 1;
    g->SetCell(next, col >= 1 ? col : 1);
}

// ---------------------------------------------------------------------------------------------
// Opening

void frmMain::PlaceEditor(QWidget* editor, int grid, int row, int col, bool ownHeight) {
    const QRect cell = MSFlexGrid1[grid]->CellRect(row, col);
    const int h = ownHeight ? editor->sizeHint().height() : cell.height();
    editor->setGeometry(cell.left(), cell.top(), cell.width(), h);
}

void frmMain::OpenTextEditor(QLineEdit* editor, int row, int col) {
    PlaceEditor(editor, 0, row, col, false);
    editor->setText(MSFlexGrid1[0]->TextMatrix(row, col));
    editor->show();
    editor->raise();
    if (!editor->text().isEmpty()) editor->selectAll();
    editor->setFocus();
}

void frmMain::OpenListEditor(QComboBox* combo, int row, int col, int index) {
    PlaceEditor(combo, 0, row, col, true);
    IsEditorFilling = true;
    combo->setCurrentIndex(IndexIn(combo, index));
    IsEditorFilling = false;
    combo->show();
    combo->raise();
    combo->setFocus();
}

void frmMain::CheckCHFreqExist(int row, bool& ok) {
    if (!MSFlexGrid1[0]->TextMatrix(row, 1).isEmpty()) {
        ok = true;
        return;
    }
    MSFlexGrid1[0]->SetCell(row, 1);
    MSFlexGrid1_DblClick(0);
    IsEditorFilling = false;
    ok = false;
}

void frmMain::MSFlexGrid1_DblClick(int index) {
    if (index != 0) return;
    auto* g = MSFlexGrid1[0];
    const int row = g->Row();
    const int col = g->Col();
    if (row < 1 || col < 1) return;
    SaveOldData();
    ChEditRow = row;
    ChEditCol = col;
    st_.CurChannelNo = row;
    if (col == g->Cols() - 2) {
        if (ShowChannelDialog) {
            ShowChannelDialog(*this);
        } else {
            FrmCHEdit dlg(st_, this);
            dlg.ReShowGrid = [this](int no) { ReShowGrid(0, no, 0); };
            dlg.exec();
        }
        return;
    }
    if (col >= 2 && col <= 10) {
        bool ok = false;
        CheckCHFreqExist(st_.CurChannelNo, ok);
        if (!ok) return;
    }
    const int slot = FindFreIndex(st_, row);
    const ChannelData* ch = slot >= 0 ? &st_.ChannelTable[slot] : nullptr;
    switch (col) {
        case 1: OpenTextEditor(TextFreRx, row, col); break;
        case 2: OpenTextEditor(TextFreTx, row, col); break;
        case 3: OpenTextEditor(TextName, row, col); break;
        case 4: OpenListEditor(ComboStep, row, col, ch ? ch->StepIndex : -1); break;
        case 5: OpenListEditor(ComboWN, row, col, ch ? (ch->Bandwidth == 0 ? 0 : 1) : -1); break;
        case 6: {
            if (st_.CurChannelNo >= kMemoryChannels + 1) break;  // no banks for PL1 .. VFO2
            const QRect cell = g->CellRect(row, col);
            int top = cell.top();
            const int h = ListBank->height();
            // Near the bottom the list opens upward so that it ends with the grid.
            if (top + h > g->viewport()->height()) top = std::max(0, g->viewport()->height() - h);
            ListBank->setGeometry(cell.left(), top, cell.width(), h);
            IsEditorFilling = true;
            BankList banks{};
            ShowChBankList(st_, st_.CurChannelNo, banks);
            int first = -1;
            for (int b = 0; b < kBankCount; ++b) {
                ListBank->item(b)->setCheckState(banks[b] ? Qt::Checked : Qt::Unchecked);
                if (banks[b] && first < 0) first = b;
            }
            IsEditorFilling = false;
            // On this channel's own first bank, or the top: the line another channel's list was
            // left on means nothing here, and Space would tick it.
            ListBank->setCurrentRow(std::max(first, 0));
            ListBank->show();
            ListBank->raise();
            ListBank->setFocus();
            break;
        }
        case 7: OpenListEditor(ComboPower, row, col, ch ? (ch->Power == 1 ? 1 : ch->Power >= 0 ? 0 : -1) : -1); break;
        case 8: OpenListEditor(ComboDe_CTC_Type, row, col, GetChannelToneField(st_, row, "De_CTC_Type")); break;
        case 9: OpenListEditor(ComboEn_CTC_Type, row, col, GetChannelToneField(st_, row, "En_CTC_Type")); break;
        case 10: OpenListEditor(ComboOptSig, row, col, ch ? ch->SignalType : -1); break;
        default: break;
    }
}

void frmMain::MSFlexGrid1_EnterCell(int index) {
    if (!IsFormLoaded || IsGridFilling) return;
    auto* g = MSFlexGrid1[index];
    if (index == 0) {
        const bool sameRxCell = !TextFreRx->isHidden() && g->Col() == 1 && g->Row() == st_.CurChannelNo;
        if (!sameRxCell) SaveOldData();
        return;
    }
    if (g->Row() < 1 || g->Col() < 1 || index == 1) return;
    if (index == 2) {
        RadioCurRow = g->Row();
        RadioCurCol = g->Col();
        if (RadioCurRow == RadioEditRow && RadioCurCol == RadioEditCol && !Text2->isHidden()) return;
    } else {
        AMCurRow = g->Row();
        AMCurCol = g->Col();
        if (AMCurRow == AMEditRow && AMCurCol == AMEditCol && !Text3->isHidden()) return;
    }
    SaveOldGridData(index);
    QLineEdit* editor = index == 2 ? Text2 : Text3;
    const int row = index == 2 ? RadioCurRow : AMCurRow;
    const int col = index == 2 ? RadioCurCol : AMCurCol;
    (index == 2 ? RadioEditRow : AMEditRow) = row;
    (index == 2 ? RadioEditCol : AMEditCol) = col;
    PlaceEditor(editor, index, row, col, false);
    SetListEditorText(index, g->TextMatrix(row, col));
    editor->show();
    editor->raise();
    editor->selectAll();
    editor->setFocus();
}

// ---------------------------------------------------------------------------------------------
// List choices

void frmMain::ListChosen(int column, int part, int value) {
    const FreqCheckResult r = SetChannelDataByGrid(st_, st_.CurChannelNo, std::to_string(value), column, part);
    (void)r;
    ReShowGrid(0, st_.CurChannelNo, 0);
}

void frmMain::ToneKindChosen(bool decode, int index) {
    if (IsEditorFilling) return;
    QComboBox* kind = decode ? ComboDe_CTC_Type : ComboEn_CTC_Type;
    SetChannelDataByGrid(st_, st_.CurChannelNo, std::to_string(index), decode ? 8 : 9, 0);
    if (!kind->view()->isVisible()) ShowToneCombo(decode, 1);
    ReShowGrid(0, st_.CurChannelNo, 0);
}

void frmMain::ShowToneCombo(bool decode, int rCaller) {
    if (rCaller != 1) return;
    QComboBox* kind = decode ? ComboDe_CTC_Type : ComboEn_CTC_Type;
    QComboBox* list = nullptr;
    const char* field = nullptr;
    if (kind->currentIndex() == 1) {
        list = decode ? ComboDe_CTCSS : ComboEn_CTCSS;
        field = decode ? "De_CTCSS" : "En_CTCSS";
    } else if (kind->currentIndex() == 2) {
        list = decode ? ComboDe_CDCSS : ComboEn_CDCSS;
        field = decode ? "De_CDCSS" : "En_CDCSS";
    } else {
        return;
    }
    HideEditor(kind);
    list->setGeometry(kind->x(), kind->y(), kind->width(), list->sizeHint().height());
    IsEditorFilling = true;
    list->setCurrentIndex(IndexIn(list, GetChannelToneField(st_, st_.CurChannelNo, field)));
    IsEditorFilling = false;
    list->show();
    list->raise();
    list->setFocus();
}

void frmMain::ListBank_ItemCheck(QListWidgetItem* item) {
    if (IsEditorFilling) return;
    const int bank = ListBank->row(item) + 1;
    const bool checked = item->checkState() == Qt::Checked;
    if (checked && !CanAddToBank(st_, st_.CurChannelNo, bank)) {
        // The bank already holds 32 channels: the tick goes away again, without a word.
        IsEditorFilling = true;
        item->setCheckState(Qt::Unchecked);
        IsEditorFilling = false;
        return;
    }
    SetChBank(st_, st_.CurChannelNo, bank, checked);
    ReShowGrid(0, st_.CurChannelNo, 0);
}

// ---------------------------------------------------------------------------------------------
// Commit

void frmMain::SaveOldData() {
    const int no = st_.CurChannelNo;
    const auto message = [this](const std::string& s) { ShowMessage(s, MsgStyle::OkOnly); };
    if (!TextFreRx->isHidden()) {
        HideEditor(TextFreRx);
        if (ChEditCol != 1) return;
        const std::string text = TextFreRx->text().trimmed().toStdString();
        if (text.empty()) {
            // Only an empty cell deletes; PL1 .. VFO2 and empty rows stay as they are.
            if (IsChannelNoUsed(st_, no) && no <= kMemoryChannels) DeleteChannel(st_, no, message);
        } else if (!IsNumericText(text)) {
            // Refused: nothing was set, so the message must not claim a nearest value.
            ShowMessage(st_.LangText(2010), MsgStyle::Exclamation);
        } else if (IsChannelNoUsed(st_, no)) {
            if (SetChannelDataByGrid(st_, no, text, 1, 0).OutOfBand) ShowMessage(st_.LangText(2001), MsgStyle::Exclamation);
        } else {
            const SetFreqResult r = SetChannelFreq(st_, no, text);
            if (!r.Added) ShowMessage(st_.LangText(2009), MsgStyle::Exclamation);
            else if (r.Check.OutOfBand) ShowMessage(st_.LangText(2001), MsgStyle::Exclamation);
        }
        ReShowGrid(0, no, 0);
        CheckChannelRefs(st_);
        return;
    }
    if (!TextFreTx->isHidden()) {
        HideEditor(TextFreTx);
        if (ChEditCol != 2) return;
        if (SetChannelDataByGrid(st_, no, TextFreTx->text().trimmed().toStdString(), 2, 0).OutOfBand)
            ShowMessage(st_.LangText(2001), MsgStyle::Exclamation);
        ReShowGrid(0, no, 0);
        return;
    }
    if (!TextName->isHidden()) {
        HideEditor(TextName);
        if (ChEditCol != 3) return;
        SetChannelDataByGrid(st_, no, kit::ToBytes(TextName->text()), 3, 0);
        ReShowGrid(0, no, 0);
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             ComboStep, ComboWN, ComboPower, ComboDe_CTC_Type, ComboDe_CTCSS, ComboDe_CDCSS,
             ComboEn_CTC_Type, ComboEn_CTCSS, ComboEn_CDCSS, ComboOptSig, ListBank}) {
        if (!w->isHidden()) {
            HideEditor(w);
            return;
        }
    }
}

void frmMain::UpdateListPointerLabel(int grid) {
    auto* g = MSFlexGrid1[grid];
    const int n = g->Rows() - 1;
    const int cur = grid == 2 ? st_.CurRadioData.Signal.Option.RadioChannel : st_.CurRadioData.OptionBytesA[3];
    for (int r = 1; r <= n; ++r) g->SetTextMatrix(r, 0, QString::fromStdString(ListRowLabel(r - 1, n, cur)));
}

void frmMain::SetListEditorText(int grid, const QString& text) {
    QLineEdit* editor = grid == 2 ? Text2 : Text3;
    editor->setText(text);
    listEditorShown_[grid] = text;
}

void frmMain::SaveOldGridData(int index) {
    auto& data = st_.CurRadioData;
    if (index == 2 || index == 3) {
        QLineEdit* editor = index == 2 ? Text2 : Text3;
        if (editor->isHidden() || editor->text() == listEditorShown_[index]) return;
        // Taken once: committing the same open editor again writes nothing more.
        listEditorShown_[index] = editor->text();
    }
    if (index == 2) {
        if (RadioEditRow < 1 || RadioEditCol < 1 || Text2->isHidden()) return;
        const int i = RadioEditRow - 1;
        if (i >= static_cast<int>(data.FMRadioList.size())) return;
        const int last = static_cast<int>(data.FMRadioList.size()) - 1;
        auto& e = data.FMRadioList[i];
        const std::string text = Text2->text().trimmed().toStdString();
        std::string value;
        if (!text.empty()) {
            const ListFreqResult r = CheckRadioFreqStr(st_, text);
            if (r.OutOfBand) ShowMessage(st_.LangText(2001), MsgStyle::Exclamation);
            value = TrimNull(RadioFreqDataText(r.Units));
        }
        if (value.empty()) {
            int valid = 0;
            for (const auto& x : data.FMRadioList) valid += x.Valid == 1 ? 1 : 0;
            if (i == last || valid <= 1) {
                if (i == last) ShowMessage("VFO can't be null!", MsgStyle::OkOnly);
                // Refused: the cell shows the entry as it still is.
                ReShowGrid(2, RadioEditRow, 1);
                return;
            }
            e.Valid = 0;
        } else {
            e.Valid = 1;
        }
        e.Number = static_cast<std::int16_t>(RadioEditRow);
        e.Frequency = value;
        MSFlexGrid1[2]->SetTextMatrix(RadioEditRow, RadioEditCol, QString::fromStdString(RadioShowText(value)));
        auto& k = data.Signal.Option.RadioChannel;
        if (k < 0 || k > last || data.FMRadioList[k].Valid != 1) {
            k = 0;
            for (int j = 0; j < last; ++j) {
                if (data.FMRadioList[j].Valid == 1) {
                    k = static_cast<std::int16_t>(j);
                    break;
                }
            }
        }
        UpdateListPointerLabel(2);
        return;
    }
    if (index == 3) {
        if (AMEditRow < 1 || AMEditCol < 1 || Text3->isHidden()) return;
        const int i = AMEditRow - 1;
        const int n = static_cast<int>(data.AMList.size());
        if (i >= n) return;
        const std::string text = Text3->text().trimmed().toStdString();
        std::string value;
        if (!text.empty()) {
            const ListFreqResult r = CheckAMFreqStr(st_, text);
            if (r.OutOfBand) ShowMessage(st_.LangText(2001), MsgStyle::Exclamation);
            value = TrimNull(AMFreqDataText(r.Units));
        }
        data.AMList[i] = value;
        MSFlexGrid1[3]->SetTextMatrix(AMEditRow, AMEditCol, QString::fromStdString(AMShowText(value)));
        auto& k = data.OptionBytesA[3];
        bool empty = true;
        if (k < n) {
            data.AMList[k] = TrimNull(data.AMList[k].View());
            empty = data.AMList[k].Trimmed().empty();
        }
        if (empty) {
            int first = -1;
            for (int j = 0; j < n; ++j) {
                data.AMList[j] = TrimNull(data.AMList[j].View());
                if (first < 0 && !data.AMList[j].Trimmed().empty()) first = j;
            }
            k = static_cast<std::uint8_t>(first < 0 ? 0 : first);
        }
        UpdateListPointerLabel(3);
    }
}

void frmMain::CommitOpenEditors() {
    SaveOldData();
    SaveOldGridData(2);
    SaveOldGridData(3);
}

// ---------------------------------------------------------------------------------------------
// Clipboard keys

bool frmMain::MSFlexGrid1_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift) {
    if (index > 0) return false;
    auto* g = MSFlexGrid1[0];
    const int row = g->Row();
    if ((shift & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
    const auto message = [this](const std::string& s) { ShowMessage(s, MsgStyle::OkOnly); };
    const bool further = row > kMemoryChannels;  // PL1 .. VFO2 are never deleted from here
    bool handled = true;
    if (row >= 1) {
        switch (keyCode) {
            case Qt::Key_C:
                st_.GridCopyFlags[index] = true;
                CopyChannel(st_, index, row);
                break;
            case Qt::Key_X:
                st_.GridCopyFlags[index] = true;
                if (further) CopyChannel(st_, index, row);
                else CutChannel(st_, index, row, message);
                ReShowGrid(0, g->Row(), 1);
                break;
            case Qt::Key_V:
                if (!st_.GridCopyFlags[index]) break;
                if (st_.ChannelClipboard.Used != 1 && further) break;
                if (st_.ChannelClipboard.Used == 1 && !IsChannelNoUsed(st_, row) &&
                    st_.CurRadioData.ChannelCount >= kMaxChannels) {
                    ShowMessage(st_.LangText(2009), MsgStyle::Exclamation);
                    break;
                }
                PasteChannel(st_, index, row, message);
                ReShowGrid(0, g->Row(), 1);
                break;
            default:
                handled = false;
                break;
        }
    }
    CheckChannelRefs(st_);
    return handled;
}

}  // namespace rp
