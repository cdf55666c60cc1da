#include "channels/FrmBank.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Banks.h"
#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmBank::FrmBank(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmBank");
    // The dialog and its labels keep their own fixed captions in every language: the language
    // files have no texts for them.
    setWindowTitle("Bank Channel");
    const char* captions[3] = {"BanK:", "Channel In Bank:", "Other Channel:"};
    for (int i = 0; i < 3; ++i) {
        Label1[i] = new QLabel(captions[i], this);
        Label1[i]->setObjectName(QString("Label1_%1").arg(i));
    }
    auto makeList = [this](const char* name) {
        auto* l = new QListWidget(this);
        l->setObjectName(name);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setSortingEnabled(false);
        // An empty list has nothing to show the focus on: Tab stops on it once it holds a line.
        // The list's model empties itself as the list is destroyed: a list that is no longer one
        // is left alone.
        auto stopWhileFilled = [w = static_cast<QWidget*>(l)] {
            if (auto* list = qobject_cast<QListWidget*>(w))
                list->setFocusPolicy(list->count() > 0 ? Qt::StrongFocus : Qt::ClickFocus);
        };
        connect(l->model(), &QAbstractItemModel::rowsInserted, l, stopWhileFilled);
        connect(l->model(), &QAbstractItemModel::rowsRemoved, l, stopWhileFilled);
        connect(l->model(), &QAbstractItemModel::modelReset, l, stopWhileFilled);
        stopWhileFilled();
        return l;
    };
    List1 = makeList("List1");
    List2 = makeList("List2");
    List3 = makeList("List3");
    auto makeButton = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    CommandL = makeButton("<<", "CommandL");
    CommandR = makeButton(">>", "CommandR");
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    buttons->addStretch();  // centred under the lists

    auto* grid = new QGridLayout;
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(Label1[1], 0, 1);
    grid->addWidget(Label1[2], 0, 3);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(List2, 1, 1);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(CommandL);
    moves->addWidget(CommandR);
    moves->addStretch();
    grid->addLayout(moves, 1, 2);
    grid->addWidget(List3, 1, 3);
    List1->setFixedWidth(110);
    List2->setMinimumSize(140, 300);
    List3->setMinimumSize(140, 300);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    // Only the user's choice of a bank shows it. The list makes a row current by itself when it
    // gets the focus, without selecting it, so the current row is no choice; a click on the bank
    // already shown shows it again (in slot order), as do keys that select another bank.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty()) List1_Click();
    });
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item->isSelected()) List1_Click();
    });
    connect(CommandL, &QPushButton::clicked, this, &FrmBank::CommandL_Click);
    connect(CommandR, &QPushButton::clicked, this, &FrmBank::CommandR_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmBank::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmBank::CommandCancel_Click);

    InitBankList();
    CopyBankToEdit(s_);
}

void FrmBank::InitBankList() {
    const QSignalBlocker block(List1);
    List1->clear();
    List1->addItems(kit::ToQStringList(BankListTexts()));
    List1->setCurrentRow(-1);
    CommandOK->setText(LangQ(s_, 101));
    CommandCancel->setText(LangQ(s_, 102));
}

void FrmBank::ShowView() {
    List2->clear();
    List2->addItems(kit::ToQStringList(view_.InBank));
    List3->clear();
    List3->addItems(kit::ToQStringList(view_.Other));
    ChooseNothing();
}

void FrmBank::List1_Click() {
    const auto chosen = List1->selectedItems();
    if (chosen.isEmpty()) return;
    view_ = ShowBank(s_, List1->row(chosen.front()) + 1);
    ShowView();
}

// The moves change the lists item by item, as the user sees them: a channel filling a hole is
// listed last until the bank is shown again.
void FrmBank::CommandL_Click() {
    const QListWidgetItem* item = List3->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const int row = List3->row(item);
    if (!AddToShownBank(s_, view_, row)) return;
    List2->addItem(item->text());
    delete List3->takeItem(row);
    ChooseNothing();
}

void FrmBank::CommandR_Click() {
    const QListWidgetItem* item = List2->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const int row = List2->row(item);
    if (!RemoveFromShownBank(s_, view_, row)) return;
    List3->addItem(item->text());
    delete List2->takeItem(row);
    ChooseNothing();
}

// Taking an item out makes the list choose its neighbour; a second click (or the second half of
// a double-click) would then move a channel the user never chose.
void FrmBank::ChooseNothing() {
    for (QListWidget* l : {List2, List3}) {
        l->clearSelection();
        l->setCurrentItem(nullptr);
    }
}

void FrmBank::CommandOK_Click() {
    CopyEditToBank(s_);
    accept();
}

void FrmBank::CommandCancel_Click() { reject(); }

}  // namespace rp
