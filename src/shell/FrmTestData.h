#pragma once
// The factory test-data window, offered in the factory test-data mode only: it shows the 16 bytes
// the last read brought from block 0, read-only, and changes nothing. Nothing of this program
// writes block 0.
#include <QDialog>

#include "model/AppState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

// The bytes as the window shows them: two hex digits each, spaced; empty before any read.
QString TestDataHexText(const std::optional<TestDataBlock>& data);

class FrmTestData : public QDialog {
    Q_OBJECT
public:
    explicit FrmTestData(const AppState& s, QWidget* parent = nullptr);
    QLabel* LabelTestData = nullptr;
    QLineEdit* TextTestData = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace rp
