#pragma once
// The model and band of the data. A band change clears the frequencies, so it asks first.
#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

#include "model/AppState.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rp {

class FrmModel : public QDialog {
    Q_OBJECT
public:
    // modelNames: the shown names of the models the data can carry; bandTexts: the eight band
    // texts by band index.
    FrmModel(const AppState& s, const QStringList& modelNames, const QString& currentModelName,
             const QStringList& bandTexts, int currentBand, QWidget* parent = nullptr);

    // The warning before a band change; returns the answer (1 OK). Set by the caller.
    std::function<int(const QString& text, int style, const QString& title)> Message;

    QString ChosenModelName() const { return model_; }
    int ChosenBandIndex() const { return band_; }
    bool BandChanged() const { return band_ != startBand_; }

    std::array<QLabel*, 2> Label1{};
    QComboBox* ComboModel = nullptr;
    QComboBox* ComboBand = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void CommandOK_Click();
    const AppState& s_;
    int startBand_;
    QString model_;
    int band_;
};

}  // namespace rp
