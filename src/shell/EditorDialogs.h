#pragma once
// The editor dialogs the Edit menu opens. Until an editor exists, a plain modal dialog with OK
// and Cancel stands in for it and changes nothing.
#include <QDialog>

#include "model/AppState.h"

class QPushButton;

namespace rp {

enum class EditorKind { Option, Scan, Alert, MSK, DTMF, TwoTone, FiveTone, CommBook, Bank, Batch, Channel, TestData };

// The form name of the editor, as its object name.
const char* EditorFormName(EditorKind kind);

class FrmEditorPending : public QDialog {
    Q_OBJECT
public:
    FrmEditorPending(const AppState& s, EditorKind kind, QWidget* parent = nullptr);
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

// Shows the editor modally; returns the dialog's result.
int ShowEditorDialog(AppState& s, EditorKind kind, QWidget* parent);

}  // namespace rp
