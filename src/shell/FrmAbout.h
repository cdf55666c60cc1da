#pragma once
// The About box: the program's title, its version and the model of the data.
#include <QDialog>

#include "model/AppState.h"

class QLabel;
class QPushButton;

namespace rp {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(const AppState& s, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblModel = nullptr;
    QPushButton* CommandOK = nullptr;
};

}  // namespace rp
