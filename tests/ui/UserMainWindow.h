#pragma once
// The main window on new data, in English, shown and driven as a user drives it (UserDriver.h).
#include <QSize>
#include <QWidget>
#include <initializer_list>
#include <memory>

#include "MainFixture.h"
#include "UserDriver.h"
#include "kit/GridAdapter.h"
#include "model/AppState.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "shell/frmMain.h"

namespace rp::test {

struct UserMainWindow {
    AppState st;
    TempSettings settings;
    std::unique_ptr<frmMain> w;

    // size: the window's size, or none for the place it takes on this screen by itself.
    explicit UserMainWindow(QSize size = {}) {
        UseLanguage(st, kLanguageEnglish);
        InitMsgString(st);
        st.NoInitFileFlag = true;
        NewData(st);
        UseLanguage(st, kLanguageEnglish);
        w = std::make_unique<frmMain>(st, settings.Make());
        if (size.isValid()) w->resize(size);
    }
    void Show() { ShowActive(*w); }
    FlexGrid* Grid(int i) { return w->MSFlexGrid1[i]; }
    // The grid's editor that is open, or null.
    QWidget* OpenEditor() {
        for (QWidget* e : std::initializer_list<QWidget*>{
                 w->TextFreRx, w->TextFreTx, w->TextName, w->Text2, w->Text3, w->ComboStep, w->ComboWN,
                 w->ComboPower, w->ComboDe_CTC_Type, w->ComboDe_CTCSS, w->ComboDe_CDCSS, w->ComboEn_CTC_Type,
                 w->ComboEn_CTCSS, w->ComboEn_CDCSS, w->ComboOptSig, w->ListBank})
            if (!e->isHidden()) return e;
        return nullptr;
    }
    // Opens the editor of a cell as a user does: a click, and on the channel grid Enter.
    void OpenCell(int grid, int row, int col) {
        ClickCell(Grid(grid), row, col);
        if (grid == 0) Key(Qt::Key_Return);
    }
};

}  // namespace rp::test
