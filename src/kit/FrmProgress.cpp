#include "kit/FrmProgress.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace rp {

FrmProgress::FrmProgress(const QString& caption, const QString& labelText, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmProgress");
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    Label1 = new QLabel(labelText, this);
    Label1->setObjectName("Label1");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    setMinimumWidth(360);
}

void FrmProgress::SetProgressValue(int percent) { ProgressBar1->setValue(std::clamp(percent, 0, 100)); }

void FrmProgress::Finish() {
    finishing_ = true;
    done(QDialog::Accepted);
    finishing_ = false;
}

void FrmProgress::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    QTimer::singleShot(0, this, [this] {
        if (OnLoad) OnLoad();
    });
}

void FrmProgress::keyPressEvent(QKeyEvent* e) {
    // A stray Escape must not break off a write half done; only the close box ends the exchange.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmProgress::reject() {
    // The exchange decides whether the close box ends it: a write asks first and may go on. Its
    // end closes the window through Finish.
    if (finishing_ || !OnUserClose) {
        QDialog::reject();
        return;
    }
    OnUserClose();
}

}  // namespace rp
