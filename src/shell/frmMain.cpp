#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "mappings/ChannelEditMap.h"
#include "model/FixedText.h"
#include "model/Records.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/Language.h"
#include "shell/MainCommandHost.h"
#include "shell/MainGridText.h"
#include "kit/ShellText.h"
#include "model/ToneLists.h"
#include "kit/WindowPlace.h"

namespace rp {

namespace {

constexpr int kChannelCols = 13;
constexpr QRgb kBankHeaderColour = qRgb(192, 0, 0);
constexpr QRgb kHeaderColour = qRgb(0, 0, 155);

// Menu texts carry an accelerator and an ellipsis that a tree caption does not want.
QString TreeCaption(QString s) {
    s = WithoutAccessKey(s);
    if (s.endsWith("...")) s.chop(3);
    return s.trimmed();
}

}  // namespace

frmMain::frmMain(AppState& st, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QMainWindow(parent), st_(st), settings_(std::move(settings)) {
    setObjectName("frmMain");
    if (!settings_) settings_ = std::make_unique<QSettings>("radioprog", "radioprog");
    IsFormLoaded = false;

    BuildMenus();
    BuildToolBar();

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName("sbStatusBar");
    sbModel = new QLabel(sbStatusBar);
    sbBand = new QLabel(sbStatusBar);
    sbFile = new ElidedLabel(sbStatusBar);
    sbFile->setObjectName("sbFile");
    sbStatusBar->addWidget(sbModel);
    sbStatusBar->addWidget(sbBand);
    sbStatusBar->addWidget(sbFile, 1);
    setStatusBar(sbStatusBar);

    imgSplitter = new QSplitter(Qt::Horizontal, this);
    imgSplitter->setObjectName("imgSplitter");
    imgSplitter->setChildrenCollapsible(false);
    tvTreeView = new QTreeWidget(imgSplitter);
    tvTreeView->setObjectName("tvTreeView");
    tvTreeView->setHeaderHidden(true);
    tvTreeView->setColumnCount(1);
    connect(tvTreeView, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        tvTreeView_NodeClick(item->data(0, Qt::UserRole).toString());
    });
    tvTreeView->installEventFilter(this);
    tvTreeView->viewport()->installEventFilter(this);
    gridHost_ = new QWidget(imgSplitter);
    auto* lay = new QVBoxLayout(gridHost_);
    lay->setContentsMargins(0, 0, 0, 0);
    BuildGrids();
    for (auto* g : MSFlexGrid1) lay->addWidget(g);
    imgSplitter->addWidget(tvTreeView);
    imgSplitter->addWidget(gridHost_);
    imgSplitter->setStretchFactor(1, 1);
    setCentralWidget(imgSplitter);

    BuildEditors();
    WireEditors();

    // The window's load.
    ApplyLanguageTexts();
    // Start-up clears the print switch; only the command line's --print turns it on.
    MenuAction("mnuFilePrint")->setVisible(st_.PrintMenuFlag != 0);
    MenuAction("MnuHelpContent")->setVisible(false);
    MenuAction("mnuTestData")->setVisible(st_.TestDataMode);
    MenuAction("MnuViewScan")->setEnabled(false);
    MenuAction("MnuViewToolBar")->setChecked(true);
    MenuAction("MnuViewStatusBar")->setChecked(true);
    LoadWindowPlace();
    LoadShowByModel();
    ShowListByData();
    ShowGridType(0);
    // A grid starts on its first data cell, so Edit Channel has a cell to work on at once.
    MSFlexGrid1[0]->SetCell(1, 1);
    // The close question and the exchange's user side are in place before the window shows.
    MainCommandHost::Of(*this);
    IsFormLoaded = true;
}

frmMain::~frmMain() = default;

QString frmMain::Lang(int id) const { return LangStr(st_, id); }

// ---------------------------------------------------------------------------------------------
// Frame

void frmMain::AddAction(QMenu* menu, const char* name, int textId, const char* shortcut,
                        void (frmMain::*cmd)()) {
    auto* a = menu->addAction(QString());
    a->setObjectName(name);
    SetLangTag(a, textId);
    if (shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    if (cmd) connect(a, &QAction::triggered, this, [this, cmd] { RunCommand(cmd); });
}

void frmMain::RunCommand(void (frmMain::*cmd)()) {
    CommitOpenEditors();
    (this->*cmd)();
    // A tree node that opens a dialog keeps the highlight once the dialog is closed, and a
    // command may leave it on a node walked to with the keys: the tree shows the grid on screen.
    HighlightGridNode();
}

void frmMain::BuildMenus() {
    auto* bar = menuBar();
    auto menu = [&](const char* name, int textId) {
        auto* m = bar->addMenu(QString());
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        SetLangTag(m, textId);
        return m;
    };
    auto sep = [&](QMenu* m, const char* name) { m->addSeparator()->setObjectName(name); };

    auto* file = menu("mnuFile", 1000);
    AddAction(file, "mnuFileNew", 1001, "Ctrl+N", &frmMain::mnuFileNew_Click);
    AddAction(file, "mnuFileOpen", 1002, "Ctrl+O", &frmMain::mnuFileOpen_Click);
    AddAction(file, "mnuFileSave", 1003, "Ctrl+S", &frmMain::mnuFileSave_Click);
    AddAction(file, "mnuFileSaveAs", 1004, nullptr, &frmMain::mnuFileSaveAs_Click);
    sep(file, "mnuFileBar0");
    AddAction(file, "mnuFilePrint", 1005, nullptr, &frmMain::mnuFilePrint_Click);
    sep(file, "mnuFileBar1");
    AddAction(file, "mnuFileExit", 1006, nullptr, &frmMain::mnuFileExit_Click);

    auto* model = menu("MnuModel", 1060);
    AddAction(model, "MnuModelInfo", 1061, nullptr, &frmMain::MnuModelInfo_Click);

    auto* edit = menu("mnuEdit", 1010);
    AddAction(edit, "mnuEditCH", 1011, nullptr, &frmMain::mnuEditCH_Click);
    AddAction(edit, "MnuViewSetMode", 1021, nullptr, &frmMain::MnuViewSetMode_Click);
    AddAction(edit, "MnuViewBankChannel", 3501, nullptr, &frmMain::MnuViewBankChannel_Click);
    AddAction(edit, "MnuViewRadio", 1022, nullptr, &frmMain::MnuViewRadio_Click);
    AddAction(edit, "MnuViewAM", 3401, nullptr, &frmMain::MnuViewAM_Click);
    AddAction(edit, "MnuViewMSK", 7501, nullptr, &frmMain::MnuViewMSK_Click);
    AddAction(edit, "MnuViewDTMF", 1023, nullptr, &frmMain::MnuViewDTMF_Click);
    AddAction(edit, "MnuView2Tone", 1024, nullptr, &frmMain::MnuView2Tone_Click);
    AddAction(edit, "MnuView5Tone", 1025, nullptr, &frmMain::MnuView5Tone_Click);
    AddAction(edit, "MnuViewScan", 2401, nullptr, &frmMain::MnuViewScan_Click);
    AddAction(edit, "MnuViewAlert", 2601, nullptr, &frmMain::MnuViewAlert_Click);
    AddAction(edit, "MnuCommBook", 1804, nullptr, &frmMain::MnuCommBook_Click);
    AddAction(edit, "MnuEMg", 1028, nullptr, &frmMain::MnuEMg_Click);
    AddAction(edit, "mnuTestData", 8001, nullptr, &frmMain::mnuTestData_Click);
    sep(edit, "mnuEditBar0");
    AddAction(edit, "MnuCHBatch", 1029, nullptr, &frmMain::MnuCHBatch_Click);

    auto* set = menu("MnuSet", 1030);
    AddAction(set, "MnuSetCom", 1031, nullptr, &frmMain::MnuSetCom_Click);
    AddAction(set, "MnuSetLanguage", 1032, nullptr, &frmMain::MnuSetLanguage_Click);
    AddAction(set, "MnuSetInit", 1033, nullptr, &frmMain::MnuSetInit_Click);

    auto* pro = menu("mnuPro", 1040);
    AddAction(pro, "mnuProRead", 1041, nullptr, &frmMain::mnuProRead_Click);
    AddAction(pro, "MnuProWrite", 1042, nullptr, &frmMain::MnuProWrite_Click);
    AddAction(pro, "MnuProPassWord", 1043, nullptr, &frmMain::MnuProPassWord_Click);

    auto* view = menu("MnuView", 1020);
    AddAction(view, "MnuViewToolBar", 1026, nullptr, nullptr);
    AddAction(view, "MnuViewStatusBar", 1027, nullptr, nullptr);
    for (const char* n : {"MnuViewToolBar", "MnuViewStatusBar"}) {
        auto* a = MenuAction(n);
        a->setCheckable(true);
    }
    // Qt flips the check before it signals; undo that so the command alone inverts it, as it
    // does when called directly.
    for (auto [n, cmd] : {std::pair{"MnuViewToolBar", &frmMain::MnuViewToolBar_Click},
                          std::pair{"MnuViewStatusBar", &frmMain::MnuViewStatusBar_Click}}) {
        auto* a = MenuAction(n);
        connect(a, &QAction::triggered, this, [this, a, cmd](bool checked) {
            a->setChecked(!checked);
            RunCommand(cmd);
        });
    }

    auto* help = menu("MnuHelp", 1050);
    AddAction(help, "MnuHelpContent", 1051, nullptr, &frmMain::MnuHelpContent_Click);
    AddAction(help, "MnuHelpAbout", 1052, nullptr, &frmMain::MnuHelpAbout_Click);
}

QAction* frmMain::MenuAction(const QString& name) const {
    for (auto* a : menuBar()->findChildren<QAction*>(name)) return a;
    for (auto* m : menuBar()->findChildren<QMenu*>())
        for (auto* a : m->actions())
            if (a->objectName() == name) return a;
    return nullptr;
}

QAction* frmMain::ToolButton(const QString& key) const {
    if (!tbToolBar) return nullptr;
    for (auto* a : tbToolBar->actions())
        if (a->objectName() == key) return a;
    return nullptr;
}

void frmMain::BuildToolBar() {
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, tbToolBar);
    struct Button {
        const char* key;
        int tip;  // 0: no tooltip
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"TNewFile", 1001, QStyle::SP_FileIcon},
        {"TOpenFile", 1002, QStyle::SP_DialogOpenButton},
        {"TSaveFile", 1003, QStyle::SP_DialogSaveButton},
        {nullptr, 0, {}},
        {"TCommRead", 1041, QStyle::SP_ArrowDown},
        {"TCommPort", 0, QStyle::SP_ComputerIcon},
        {"TCommWrite", 1042, QStyle::SP_ArrowUp},
        {nullptr, 0, {}},
        {"TAbout", 1052, QStyle::SP_MessageBoxInformation},
    };
    for (const auto& b : buttons) {
        if (!b.key) {
            tbToolBar->addSeparator();
            continue;
        }
        auto* a = tbToolBar->addAction(style()->standardIcon(b.icon), QString());
        a->setObjectName(b.key);
        SetLangTag(a, 0, b.tip);
        const QString key = b.key;
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    static const std::pair<const char*, void (frmMain::*)()> table[] = {
        {"TNewFile", &frmMain::mnuFileNew_Click},   {"TOpenFile", &frmMain::mnuFileOpen_Click},
        {"TSaveFile", &frmMain::mnuFileSave_Click}, {"TCommRead", &frmMain::mnuProRead_Click},
        {"TCommPort", &frmMain::MnuSetCom_Click},   {"TCommWrite", &frmMain::MnuProWrite_Click},
        {"TAbout", &frmMain::MnuHelpAbout_Click}};
    for (const auto& [k, cmd] : table) {
        if (key == QLatin1String(k)) {
            RunCommand(cmd);
            return;
        }
    }
}

void frmMain::ApplyLanguageTexts() {
    SetFormLanguage(this, st_);
    setWindowTitle(Lang(8900));
    if (ListBank) {
        // A caption is no tick: the check handler must not see these changes.
        const QSignalBlocker quiet(ListBank);
        for (int b = 1; b <= ListBank->count(); ++b) ListBank->item(b - 1)->setText(BankItemText(b));
    }
}

QString frmMain::BankItemText(int bank) const { return Lang(2011) + " " + QString::number(bank); }

void frmMain::SizeControls(int x) {
    if (!imgSplitter) return;
    const int total = imgSplitter->width() > 0 ? imgSplitter->width() : width();
    const int left = std::max(60, std::min(x, std::max(60, total - 120)));
    imgSplitter->setSizes({left, std::max(1, total - left)});
}

void frmMain::LoadShowByModel() {
    const bool full = st_.CurModelCode == "6173USD";
    st_.RadioBandLow = RadioBandLowForModel(st_.CurModelCode);
    MenuAction("MnuView2Tone")->setVisible(true);
    MenuAction("MnuViewAM")->setVisible(full);
    MenuAction("MnuViewMSK")->setVisible(full);
    LoadShowTree();
    FillOptSigList();
    // The AM grid has no way in for other models, so it must not stay on screen either.
    if (!full && MSFlexGrid1[3] && !MSFlexGrid1[3]->isHidden()) ShowGridType(0);
    if (sbModel) sbModel->setText(Q(st_.CurModelName.empty() ? st_.CurModelCode : st_.CurModelName));
    if (sbBand) sbBand->setText(Q(st_.CurBandText));
}

void frmMain::LoadShowTree() {
    const bool full = st_.CurModelCode == "6173USD";
    tvTreeView->clear();
    auto node = [](QTreeWidgetItem* parent, const char* key, const QString& text) {
        auto* it = new QTreeWidgetItem(parent);
        it->setText(0, TreeCaption(text));
        it->setData(0, Qt::UserRole, QString::fromLatin1(key));
        return it;
    };
    auto* root = new QTreeWidgetItem(tvTreeView);
    root->setText(0, Q(st_.CurModelName.empty() ? st_.LangText(8901) : st_.CurModelName));
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    auto* ch = node(root, "CH", Lang(1070));
    node(ch, "N1", Lang(1072));
    node(ch, "N15", Lang(3501));
    node(ch, "N12", Lang(1029));
    auto* radio = node(root, "Radio", Lang(1071));
    node(radio, "N3", Lang(1022));
    if (full) node(radio, "N16", Lang(3401));
    node(root, "N4", Lang(1021));
    node(root, "N5", Lang(1023));
    node(root, "N6", Lang(1024));
    node(root, "N7", Lang(1025));
    if (full) node(root, "N17", Lang(7501));
    node(root, "N8", Lang(1804));
    node(root, "N10", Lang(2401));
    node(root, "N11", Lang(2601));
    node(root, "N9", Lang(1028));
    node(root, "N13", Lang(1043));
    node(root, "N14", Lang(1061));
    tvTreeView->expandAll();
    HighlightGridNode();
}

void frmMain::tvTreeView_NodeClick(const QString& key) {
    static const std::pair<const char*, void (frmMain::*)()> table[] = {
        {"N4", &frmMain::MnuViewSetMode_Click},      {"N5", &frmMain::MnuViewDTMF_Click},
        {"N6", &frmMain::MnuView2Tone_Click},        {"N7", &frmMain::MnuView5Tone_Click},
        {"N8", &frmMain::MnuCommBook_Click},         {"N9", &frmMain::MnuEMg_Click},
        {"N10", &frmMain::MnuViewScan_Click},        {"N11", &frmMain::MnuViewAlert_Click},
        {"N12", &frmMain::MnuCHBatch_Click},         {"N13", &frmMain::MnuProPassWord_Click},
        {"N14", &frmMain::MnuModelInfo_Click},       {"N15", &frmMain::MnuViewBankChannel_Click},
        {"N17", &frmMain::MnuViewMSK_Click}};
    if (key == "N1") return ShowGridType(0);
    if (key == "N3") return ShowGridType(2);
    if (key == "N16") return ShowGridType(3);
    for (const auto& [k, cmd] : table) {
        if (key == QLatin1String(k)) {
            RunCommand(cmd);
            return;
        }
    }
    // A node that shows nothing (the root, a group) still took the keys from an open cell
    // editor: its edit ends as it does for any other node, not left on screen without a caret.
    CommitOpenEditors();
}

void frmMain::Form_ReLoad() {
    CommitOpenEditors();
    ApplyLanguageTexts();
    LoadShowTree();
    // The other language's captions may be wider.
    if (placed_ && !imgSplitter->sizes().isEmpty() && imgSplitter->sizes().first() < TreeWidthNeeded())
        SizeControls(TreeWidthNeeded());
    ShowListByData();
    if (sbModel) sbModel->setText(Q(st_.CurModelName.empty() ? st_.CurModelCode : st_.CurModelName));
}

// ---------------------------------------------------------------------------------------------
// Window place

void frmMain::LoadWindowPlace() {
    settings_->beginGroup("Settings");
    const bool has = settings_->contains("MainLeft") && settings_->contains("MainTop") &&
                     settings_->contains("MainWidth") && settings_->contains("MainHeight");
    const QRect saved(settings_->value("MainLeft").toInt(), settings_->value("MainTop").toInt(),
                      settings_->value("MainWidth").toInt(), settings_->value("MainHeight").toInt());
    const bool maximised = settings_->value("MainMaximized", false).toBool();
    settings_->endGroup();
    QList<QRect> screens;
    for (auto* s : QGuiApplication::screens()) screens.append(s->availableGeometry());
    const QRect fallback(80, 60, 1100, 720);
    // The least size Qt gives the window when it shows it: its layout's minimum, in this language.
    if (layout()) layout()->activate();
    const QRect r = OpeningPlace(has ? saved : QRect(), minimumSize(), screens, fallback);
    resize(r.size());
    move(r.topLeft());
    normalPlace_.Start(r);
    placeClock_.start();
    maximiseWhenFramed_ = maximised;
}

void frmMain::setVisible(bool visible) {
    // Its minimum may have grown since the place was opened (texts changed): grown to it before
    // the native window exists, so that Qt does not grow it afterwards and the window system does
    // not take the kept top-left as the window's own instead of its frame's.
    if (visible && !testAttribute(Qt::WA_WState_Created) && layout()) layout()->activate();
    QMainWindow::setVisible(visible);
}

void frmMain::SaveWindowPlace() {
    const bool away = windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (isVisible() && !away) normalPlace_.Moved(QRect(pos(), size()), placeClock_.elapsed());
    // The four numbers are the place the window returns to, whatever its state: a maximised
    // window says so on its own.
    const QRect r = normalPlace_.Place();
    settings_->beginGroup("Settings");
    settings_->setValue("MainLeft", r.left());
    settings_->setValue("MainTop", r.top());
    settings_->setValue("MainWidth", r.width());
    settings_->setValue("MainHeight", r.height());
    settings_->setValue("MainMaximized", bool(windowState() & Qt::WindowMaximized));
    settings_->endGroup();
    settings_->sync();
}

void frmMain::FollowWindowPlace() {
    if (!isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) return;
    FitFrameOnScreen();
    // Qt's pos() is where the frame starts and size() the window's own: the form the place is
    // kept in.
    normalPlace_.Moved(QRect(pos(), size()), placeClock_.elapsed());
}

void frmMain::FitFrameOnScreen() {
    // The window was placed before the window manager framed it; once the real frame is known,
    // a frame larger than the one allowed for still goes wholly onto the screen.
    if (frameFitted_) return;
    const QRect frame = frameGeometry(), inner = geometry();
    if (frame == inner) return;  // not framed yet, or no window manager
    frameFitted_ = true;
    // Maximised only once the window manager has put the window at its own place: one given a
    // window maximised from the start has no place of the user's to return it to.
    if (maximiseWhenFramed_) {
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() & (Qt::WindowMinimized | Qt::WindowFullScreen)))
                setWindowState(windowState() | Qt::WindowMaximized);
        });
    }
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    QList<QRect> screens;
    for (auto* s : QGuiApplication::screens()) screens.append(s->availableGeometry());
    const QRect here(pos(), size());
    const QRect fitted = PlaceOnScreen(here, screens, here, margins);
    if (fitted == here) return;
    resize(fitted.size());
    move(fitted.topLeft());
}

void frmMain::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    FollowWindowPlace();
}

void frmMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    FollowWindowPlace();
}

void frmMain::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    // Compared with the state last seen here: the event's old state is not always the one the
    // window was in (a state asked of the window itself is taken as old before it happens).
    const bool wide = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const bool became = wide && !wideSeen_;
    wideSeen_ = wide;
    if (!became) return;
    // Maximised: a window manager may have sized the window before it said so. Its frame then
    // fills the screen's available area, give or take a frame the window manager hides.
    const QRect frame = frameGeometry();
    const QScreen* s = screen();
    const QRect area = s ? s->availableGeometry() : frame;
    const bool filled = frame.width() >= area.width() - kUnknownFrame.left() - kUnknownFrame.right() &&
                        frame.height() >= area.height() - kUnknownFrame.top() - kUnknownFrame.bottom();
    normalPlace_.Maximised(QRect(pos(), size()), filled, placeClock_.elapsed());
}

void frmMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!placed_) {
        placed_ = true;
        SizeControls(std::max(TwipsToPixels(2800, logicalDpiX() > 0 ? logicalDpiX() : 96), TreeWidthNeeded()));
    }
}

int frmMain::TreeWidthNeeded() const {
    // The widest caption at its depth, with the frame around it: no node is cut off.
    const QFontMetrics fm(tvTreeView->font());
    int widest = 0;
    for (QTreeWidgetItemIterator it(tvTreeView); *it; ++it) {
        int depth = 1;  // the root has its decoration too
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
        widest = std::max(widest, depth * tvTreeView->indentation() + fm.horizontalAdvance((*it)->text(0)));
    }
    // Room for the item's own margins and the frame.
    return widest + 2 * tvTreeView->frameWidth() + 16;
}

void frmMain::closeEvent(QCloseEvent* e) {
    CommitOpenEditors();
    SaveWindowPlace();
    e->accept();
}

// ---------------------------------------------------------------------------------------------
// Grids

void frmMain::BuildGrids() {
    const char* names[4] = {"MSFlexGrid1_0", "MSFlexGrid1_1", "MSFlexGrid1_2", "MSFlexGrid1_3"};
    for (int i = 0; i < 4; ++i) {
        auto* g = new FlexGrid(gridHost_);
        g->setObjectName(names[i]);
        MSFlexGrid1[i] = g;
    }
    MSFlexGrid1[0]->SetCols(kChannelCols);
    MSFlexGrid1[0]->SetRows(kMaxChannels + 1);
    MSFlexGrid1[1]->SetCols(3);
    MSFlexGrid1[1]->SetRows(130);
    MSFlexGrid1[2]->SetCols(2);
    MSFlexGrid1[2]->SetRows(102);
    MSFlexGrid1[3]->SetCols(2);
    MSFlexGrid1[3]->SetRows(102);
    for (auto* g : MSFlexGrid1) g->SetHeaderHeight(500);
    auto* g0 = MSFlexGrid1[0];
    g0->SetColWidth(0, 600);
    g0->SetColWidth(5, 1500);
    g0->SetColWidth(6, 1500);
    g0->SetColWidth(7, 1200);
    for (int c = 8; c <= 10; ++c) g0->SetColWidth(c, 1400);
    // Column 12 has no caption and no content.
    g0->setColumnHidden(kChannelCols - 2, true);
    MSFlexGrid1[2]->SetColWidth(0, 900);
    MSFlexGrid1[2]->SetColWidth(1, 1800);
    MSFlexGrid1[3]->SetColWidth(0, 900);
    MSFlexGrid1[3]->SetColWidth(1, 1800);
    for (int i = 0; i < 4; ++i) {
        connect(MSFlexGrid1[i], &FlexGrid::CellDoubleClicked, this,
                [this, i](int, int) { MSFlexGrid1_DblClick(i); });
        connect(MSFlexGrid1[i], &FlexGrid::EnterCell, this,
                [this, i](int, int) { MSFlexGrid1_EnterCell(i); });
    }
}

void frmMain::BuildEditors() {
    auto* vp = MSFlexGrid1[0]->viewport();
    auto line = [&](QWidget* parent, const char* name) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(name);
        e->setFrame(false);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->hide();
        return e;
    };
    auto combo = [&](QWidget* parent, const char* name) {
        auto* c = new QComboBox(parent);
        c->setObjectName(name);
        c->setContextMenuPolicy(Qt::NoContextMenu);
        c->hide();
        return c;
    };
    TextFreRx = line(vp, "TextFreRx");
    TextFreTx = line(vp, "TextFreTx");
    TextName = line(vp, "TextName");
    Text1 = line(vp, "Text1");
    Text2 = line(MSFlexGrid1[2]->viewport(), "Text2");
    Text3 = line(MSFlexGrid1[3]->viewport(), "Text3");
    Combo1 = combo(this, "Combo1");
    ComboCTCSS = combo(this, "ComboCTCSS");
    ComboDCS = combo(this, "ComboDCS");
    ComboStep = combo(vp, "ComboStep");
    ComboWN = combo(vp, "ComboWN");
    ComboPower = combo(vp, "ComboPower");
    ComboDe_CTC_Type = combo(vp, "ComboDe_CTC_Type");
    ComboDe_CTCSS = combo(vp, "ComboDe_CTCSS");
    ComboDe_CDCSS = combo(vp, "ComboDe_CDCSS");
    ComboEn_CTC_Type = combo(vp, "ComboEn_CTC_Type");
    ComboEn_CTCSS = combo(vp, "ComboEn_CTCSS");
    ComboEn_CDCSS = combo(vp, "ComboEn_CDCSS");
    ComboOptSig = combo(vp, "ComboOptSig");
    ListBank = new QListWidget(vp);
    ListBank->setObjectName("ListBank");
    ListBank->hide();
    // The tone-kind lists come from the window's design; item 0 follows the language.
    for (auto* c : {ComboDe_CTC_Type, ComboEn_CTC_Type}) c->addItems({QString(), "CTCSS", "DCS"});
}

void frmMain::LoadShowList() {
    auto* g0 = MSFlexGrid1[0];
    static const int kHeaderIds[] = {3006, 1101, 1140, 1103, 1104, 1106, 0, 1109, 0, 0, 1110, 1117};
    for (int c = 0; c <= 11; ++c)
        if (kHeaderIds[c]) g0->SetTextMatrix(0, c, Lang(kHeaderIds[c]));
    g0->SetTextMatrix(0, 6, QStringLiteral("Bank"));
    g0->SetTextMatrix(0, 8, Lang(1107) + "\r\n" + Lang(1112));
    g0->SetTextMatrix(0, 9, Lang(1107) + "\r\n" + Lang(1113));
    for (int i : {2, 3}) {
        MSFlexGrid1[i]->SetTextMatrix(0, 0, QStringLiteral("ID"));
        MSFlexGrid1[i]->SetTextMatrix(0, 1, Lang(1101));
    }

    // The same lists as the channel and batch dialogs, so a stored index means the same item.
    Combo1->clear();
    Combo1->addItems(kit::ToQStringList(ChannelStepItems()));
    Text1->hide();
    Text2->hide();
    Text3->hide();
    Combo1->hide();
    ComboStep->clear();
    for (int i = 0; i < Combo1->count(); ++i) ComboStep->addItem(Combo1->itemText(i));
    ComboWN->clear();
    ComboWN->addItems(kit::ToQStringList(ChannelBandwidthItems()));
    ComboPower->clear();
    ComboPower->addItems({Lang(1204), Lang(1205)});
    ComboDe_CTC_Type->setItemText(0, Lang(1206));
    ComboEn_CTC_Type->setItemText(0, Lang(1206));

    QStringList tones;
    for (const auto& t : CTCSSToneTexts()) tones << QString::fromLatin1(t.data(), static_cast<int>(t.size()));
    tones << Lang(4031);  // the channel's own CTCSS frequency
    for (auto* c : {ComboCTCSS, ComboDe_CTCSS, ComboEn_CTCSS}) {
        c->clear();
        c->addItems(tones);
    }
    // The code list reads "023N"; the editors' lists carry the "D" and both inversion letters.
    QStringList dcs, dcsWithLetter;
    rowLists_.Dcs.clear();
    for (const auto& d : DCSCodeList()) {
        dcsWithLetter << Q(d);
        if (dcsWithLetter.size() <= kDCSCodeCount) {
            dcs << Q(d.substr(1));
            rowLists_.Dcs.push_back(d.substr(1));
        }
    }
    ComboDCS->clear();
    ComboDCS->addItems(dcs);
    for (auto* c : {ComboDe_CDCSS, ComboEn_CDCSS}) {
        c->clear();
        c->addItems(dcsWithLetter);
    }
    FillOptSigList();

    rowLists_.Steps.clear();
    for (int i = 0; i < Combo1->count(); ++i) rowLists_.Steps.push_back(Combo1->itemText(i).toStdString());
    rowLists_.Ctcss.clear();
    for (const auto& t : tones) rowLists_.Ctcss.push_back(t.toStdString());
    rowLists_.PowerHigh = Lang(1204).toStdString();
    rowLists_.PowerLow = Lang(1205).toStdString();
    rowLists_.Off = Lang(1206).toStdString();
}

void frmMain::FillOptSigList() {
    ComboOptSig->clear();
    ComboOptSig->addItems({Lang(1206), "DTMF", "2Tone{DN}", "5Tone"});
    if (st_.CurModelCode == "6173USD") ComboOptSig->addItem("MSK{DN}");
}

void frmMain::InitShowListContent() {
    IsGridFilling = true;
    for (int i = 0; i < 4; ++i) {
        auto* g = MSFlexGrid1[i];
        for (int c = 0; c < g->columnCount(); ++c) {
            auto* h = g->horizontalHeaderItem(c);
            const bool bank = i == 0 && c + 1 == 6;
            h->setForeground(QColor(bank ? kBankHeaderColour : kHeaderColour));
        }
    }
    LoadShowList();
    auto* g0 = MSFlexGrid1[0];
    g0->SetRows(kMaxChannels + 1);
    for (int r = 1; r <= kMaxChannels; ++r) g0->SetTextMatrix(r, 0, Q(GetChannelName(r)));
    IsGridFilling = false;
}

void frmMain::ShowListByData() {
    InitShowListContent();
    ReShowListByData();
    ReShowRadioListByData();
    ReShowAMListByData();
}

void frmMain::ShowGridType(int rType) {
    // The keys that were in the grids go to the grid shown now.
    QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus && gridHost_->isAncestorOf(focus);
    SaveOldData();
    SaveOldGridData(2);
    SaveOldGridData(3);
    for (auto* e : {Text1, Text2, Text3}) e->hide();
    Combo1->hide();
    if (rType < 0 || rType > 3) return;
    for (int i = 0; i < 4; ++i) MSFlexGrid1[i]->setVisible(i == rType);
    if (hadFocus) MSFlexGrid1[rType]->setFocus(Qt::OtherFocusReason);
    HighlightGridNode();
}

void frmMain::HighlightGridNode() {
    // The tree shows which grid is on screen, however it was chosen.
    static const char* const keys[4] = {"N1", nullptr, "N3", "N16"};
    for (int i = 0; i < 4; ++i) {
        if (MSFlexGrid1[i]->isHidden()) continue;
        if (!keys[i]) return;
        for (QTreeWidgetItemIterator it(tvTreeView); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == QLatin1String(keys[i])) {
                if (tvTreeView->currentItem() != *it) tvTreeView->setCurrentItem(*it);
                return;
            }
        }
        return;
    }
}

void frmMain::ReShowListByData() {
    QString name = Q(st_.DataFileName);
    const int slash = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    if (slash >= 0) name = name.mid(slash + 1);
    setWindowTitle(Lang(8900) + " - " + name);
    if (sbFile) sbFile->SetWholeText(Q(st_.DataFileName));
    auto* g = MSFlexGrid1[0];
    g->setUpdatesEnabled(false);
    for (int r = 1; r <= kMaxChannels; ++r) ReShowGrid(0, r, 0);
    g->setUpdatesEnabled(true);
}

void frmMain::ReShowRadioListByData() {
    auto* g = MSFlexGrid1[2];
    const int n = static_cast<int>(st_.CurRadioData.FMRadioList.size());
    const int cur = st_.CurRadioData.Signal.Option.RadioChannel;
    g->setUpdatesEnabled(false);
    for (int r = 1; r <= n; ++r) {
        g->SetTextMatrix(r, 0, Q(ListRowLabel(r - 1, n, cur)));
        ReShowGrid(2, r, 1);
    }
    g->setUpdatesEnabled(true);
}

void frmMain::ReShowAMListByData() {
    auto* g = MSFlexGrid1[3];
    const int n = static_cast<int>(st_.CurRadioData.AMList.size());
    const int cur = st_.CurRadioData.OptionBytesA[3];
    g->setUpdatesEnabled(false);
    for (int r = 1; r <= n; ++r) {
        g->SetTextMatrix(r, 0, Q(ListRowLabel(r - 1, n, cur)));
        ReShowGrid(3, r, 1);
    }
    g->setUpdatesEnabled(true);
}

void frmMain::ReShowGrid(int rIndex, int rRow, int /*rCol*/) {
    if (rIndex == 3) {
        auto* g = MSFlexGrid1[3];
        if (rRow < 1 || rRow > static_cast<int>(st_.CurRadioData.AMList.size())) return;
        g->SetTextMatrix(rRow, 1, Q(AMShowText(st_.CurRadioData.AMList[rRow - 1].View())));
        if (!Text3->isHidden() && rRow == AMEditRow) SetListEditorText(3, g->TextMatrix(rRow, 1));
        return;
    }
    if (rIndex == 2) {
        auto* g = MSFlexGrid1[2];
        if (rRow < 1 || rRow > static_cast<int>(st_.CurRadioData.FMRadioList.size())) return;
        const FMRadioEntry& e = st_.CurRadioData.FMRadioList[rRow - 1];
        // An unused entry is no station, whatever frequency it still holds.
        g->SetTextMatrix(rRow, 1, e.Valid == 1 ? Q(RadioShowText(e.Frequency.View())) : QString());
        if (!Text2->isHidden() && rRow == RadioEditRow) SetListEditorText(2, g->TextMatrix(rRow, 1));
        return;
    }
    if (rIndex != 0) return;
    auto* g = MSFlexGrid1[0];
    if (rRow < 1 || rRow > kMaxChannels) return;
    const ChannelData* ch = nullptr;
    const int count = std::clamp<int>(st_.CurRadioData.ChannelCount, 0, kMaxChannels);
    for (int i = 0; i < count; ++i) {
        if (st_.ChannelTable[i].ChannelNo == rRow) {
            ch = &st_.ChannelTable[i];
            break;
        }
    }
    if (!ch) {
        for (int c = 1; c <= 10; ++c) g->SetTextMatrix(rRow, c, QString());
        return;
    }
    const RowTexts t = ChannelRowTexts(st_, *ch, rowLists_);
    // The name is the channel's own bytes; every other column is a number or a language text.
    for (int c = 1; c <= 10; ++c) g->SetTextMatrix(rRow, c, c == 3 ? kit::FromBytes(t[c - 1]) : Q(t[c - 1]));
}

}  // namespace rp
