#include "shell/EditorDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ShellText.h"

namespace rp {

namespace {

struct EditorInfo {
    const char* form;
    int captionId;
};

EditorInfo Info(EditorKind kind) {
    switch (kind) {
    case EditorKind::Option: return {"FrmOption", 1021};
    case EditorKind::Scan: return {"FrmScan", 2401};
    case EditorKind::Alert: return {"FrmAlert", 2601};
    case EditorKind::MSK: return {"FrmMSK", 7501};
    case EditorKind::DTMF: return {"FrmDTMF", 1023};
    case EditorKind::TwoTone: return {"Frm2Tone", 1024};
    case EditorKind::FiveTone: return {"Frm5Tone", 1025};
    case EditorKind::CommBook: return {"FrmCommuBook", 1804};
    case EditorKind::Bank: return {"FrmBank", 3501};
    case EditorKind::Batch: return {"FrmCHBatch", 1029};
    case EditorKind::Channel: return {"FrmCHEdit", 1300};
    case EditorKind::TestData: return {"FrmTestData", 8001};
    }
    return {"FrmEditor", 0};
}

}  // namespace

const char* EditorFormName(EditorKind kind) { return Info(kind).form; }

FrmEditorPending::FrmEditorPending(const AppState& s, EditorKind kind, QWidget* parent) : QDialog(parent) {
    const auto info = Info(kind);
    setObjectName(info.form);
    setWindowTitle(PlainCaption(LangQ(s, info.captionId)));
    CommandOK = new QPushButton(LangQ(s, 101), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(LangQ(s, 102), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(80);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

int ShowEditorDialog(AppState& s, EditorKind kind, QWidget* parent) {
    FrmEditorPending dlg(s, kind, parent);
    return dlg.exec();
}

}  // namespace rp
