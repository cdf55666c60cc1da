#pragma once
// The serial port choice: the ports the system lists, or any device path typed in (a USB
// adapter that is not listed yet, a pseudo-terminal).
#include <QDialog>
#include <QStringList>

#include "model/AppState.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rp {

// The entries offered: the current choice first when the system does not list it, then the
// system's ports in their order, each once.
QStringList PortChoices(const QStringList& systemPorts, const QString& current);

class FrmComPort : public QDialog {
    Q_OBJECT
public:
    FrmComPort(const AppState& s, const QStringList& systemPorts, const QString& current,
               QWidget* parent = nullptr);

    // The chosen port after OK.
    QString ChosenPort() const { return chosen_; }

    QLabel* Label1 = nullptr;
    QComboBox* ComboPort = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void CommandOK_Click();
    QString chosen_;
};

}  // namespace rp
