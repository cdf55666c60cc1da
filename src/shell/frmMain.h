#pragma once
// The main window: menus, toolbar, navigation tree, the four grids and their in-place editors.
#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "kit/ElidedLabel.h"
#include "kit/WindowPlace.h"
#include "model/AppState.h"
#include "shell/MainGridText.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QSettings;
class QSplitter;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace rp {

class FlexGrid;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // settings: where the window keeps its place between runs; null means the user's own.
    explicit frmMain(AppState& st, std::unique_ptr<QSettings> settings = nullptr,
                     QWidget* parent = nullptr);
    ~frmMain() override;
    void setVisible(bool visible) override;

    AppState& State() { return st_; }

    // What the commands, the dialogs and the exchange call when the model, band, language or data
    // change under the window: they rebuild the tree, the grids and the layout from AppState.
    void LoadShowByModel();
    void LoadShowTree();
    void ShowGridType(int rType);
    void Form_ReLoad();
    void SizeControls(int x);
    void ShowListByData();
    void InitShowListContent();
    void LoadShowList();
    void ReShowListByData();
    void ReShowRadioListByData();
    void ReShowAMListByData();
    void ReShowGrid(int rIndex, int rRow, int rCol);

    // Commit of the open cell editors.
    void SaveOldData();
    void SaveOldGridData(int index);
    // Every command runs this first, so the data hold what the grid shows.
    void CommitOpenEditors();

    // Grid events as the window handles them.
    void MSFlexGrid1_DblClick(int index);
    void MSFlexGrid1_EnterCell(int index);
    // Ctrl+C, Ctrl+X and Ctrl+V on the channel grid; true when the key was one of them.
    bool MSFlexGrid1_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift);
    void CheckCHFreqExist(int row, bool& ok);
    void tvTreeView_NodeClick(const QString& key);
    void tbToolBar_ButtonClick(const QString& key);

    // Menu commands. Those that open files, the radio or dialogs are filled in elsewhere.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void MnuModelInfo_Click();
    void mnuEditCH_Click();
    void MnuViewSetMode_Click();
    void MnuViewBankChannel_Click();
    void MnuViewRadio_Click();
    void MnuViewAM_Click();
    void MnuViewMSK_Click();
    void MnuViewDTMF_Click();
    void MnuView2Tone_Click();
    void MnuView5Tone_Click();
    void MnuViewScan_Click();
    void MnuViewAlert_Click();
    void MnuCommBook_Click();
    void MnuEMg_Click();
    void mnuTestData_Click();
    void MnuCHBatch_Click();
    void MnuSetCom_Click();
    void MnuSetLanguage_Click();
    void MnuSetInit_Click();
    void mnuProRead_Click();
    void MnuProWrite_Click();
    void MnuProPassWord_Click();
    void MnuViewToolBar_Click();
    void MnuViewStatusBar_Click();
    void MnuHelpContent_Click();
    void MnuHelpAbout_Click();

    // When set, runs instead of the channel dialog for CurChannelNo (tests).
    std::function<void(frmMain&)> ShowChannelDialog;

    // The window's controls; each has its member's name as object name, by which tests find it.
    std::array<FlexGrid*, 4> MSFlexGrid1{};
    QTreeWidget* tvTreeView = nullptr;
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QSplitter* imgSplitter = nullptr;
    QLabel* sbModel = nullptr;
    QLabel* sbBand = nullptr;
    ElidedLabel* sbFile = nullptr;

    // Lists only: never shown.
    QComboBox* Combo1 = nullptr;
    QComboBox* ComboCTCSS = nullptr;
    QComboBox* ComboDCS = nullptr;

    // In-place editors of the channel grid and of the broadcast-radio and AM grids.
    QLineEdit* TextFreRx = nullptr;
    QLineEdit* TextFreTx = nullptr;
    QLineEdit* TextName = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QComboBox* ComboStep = nullptr;
    QComboBox* ComboWN = nullptr;
    QComboBox* ComboPower = nullptr;
    QComboBox* ComboDe_CTC_Type = nullptr;
    QComboBox* ComboDe_CTCSS = nullptr;
    QComboBox* ComboDe_CDCSS = nullptr;
    QComboBox* ComboEn_CTC_Type = nullptr;
    QComboBox* ComboEn_CTCSS = nullptr;
    QComboBox* ComboEn_CDCSS = nullptr;
    QComboBox* ComboOptSig = nullptr;
    QListWidget* ListBank = nullptr;

    // Edit state shared by the editors and the commit.
    int ChEditRow = 0, ChEditCol = 0;
    int RadioCurRow = 0, RadioCurCol = 0, RadioEditRow = 0, RadioEditCol = 0;
    int AMCurRow = 0, AMCurCol = 0, AMEditRow = 0, AMEditCol = 0;
    bool IsFormLoaded = false;
    bool IsGridFilling = false;
    bool IsEditorFilling = false;

    // The menu action of that object name, or null.
    QAction* MenuAction(const QString& name) const;
    QAction* ToolButton(const QString& key) const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildGrids();
    void BuildEditors();
    void WireEditors();
    void PlaceEditor(QWidget* editor, int grid, int row, int col, bool ownHeight);
    void OpenTextEditor(QLineEdit* editor, int row, int col);
    void OpenListEditor(QComboBox* combo, int row, int col, int index);
    void ToneKindChosen(bool decode, int index);
    void ShowToneCombo(bool decode, int rCaller);
    void ListChosen(int column, int part, int value);
    void ListBank_ItemCheck(QListWidgetItem* item);
    void EditorEnter(QWidget* editor);
    bool EditorKey(QWidget* editor, QKeyEvent* k);
    bool BankListKey(const QKeyEvent* k);
    void HideEditor(QWidget* editor);
    int GridOfEditor(const QWidget* editor) const;
    bool ChannelEditorOpen() const;
    void HighlightGridNode();
    void ListEditorEnter(int grid);
    void ShowMessage(const std::string& text, int style);
    void UpdateListPointerLabel(int grid);
    void SetListEditorText(int grid, const QString& text);
    void ApplyLanguageTexts();
    int TreeWidthNeeded() const;
    QString BankItemText(int bank) const;
    void FillOptSigList();
    void LoadWindowPlace();
    void SaveWindowPlace();
    void FollowWindowPlace();
    void FitFrameOnScreen();
    QString Lang(int id) const;
    void AddAction(QMenu* menu, const char* name, int textId, const char* shortcut,
                   void (frmMain::*cmd)());
    void RunCommand(void (frmMain::*cmd)());

    AppState& st_;
    std::unique_ptr<QSettings> settings_;
    QWidget* gridHost_ = nullptr;
    RowTextLists rowLists_;
    bool placed_ = false;
    // The place the window returns to when not maximised, followed from its own moves and sizes.
    NormalPlace normalPlace_;
    QElapsedTimer placeClock_;
    // The window manager's real frame has been fitted into the screen once it was known.
    bool frameFitted_ = false;
    // It was maximised when the program last ended.
    bool maximiseWhenFramed_ = false;
    // Maximised or full screen, as last told.
    bool wideSeen_ = false;
    // What code last put into Text2 / Text3: an editor still holding it was not edited, and
    // leaving it must write nothing (walking the list never creates a station).
    QString listEditorShown_[4];
};

}  // namespace rp
