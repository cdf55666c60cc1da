#pragma once
// The factory test-data window is not part of this program. Its menu entry, shown only in the
// factory test-data mode, opens a plain modal dialog with OK and Cancel that changes nothing.
#include <QDialog>

#include "model/AppState.h"

class QPushButton;

namespace rp {

class FrmTestData : public QDialog {
    Q_OBJECT
public:
    explicit FrmTestData(const AppState& s, QWidget* parent = nullptr);
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace rp
