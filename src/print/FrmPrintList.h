#pragma once
// The print dialog: the items to print, Select All / Clear All, the printer set-up and OK,
// which runs the print job.
#include <QDialog>
#include <array>
#include <functional>

#include "print/core/PrintJob.h"

class QCheckBox;
class QPrinter;
class QPushButton;

namespace rp {

class FrmPrintList : public QDialog {
    Q_OBJECT
public:
    FrmPrintList(AppState& st, QPrinter& printer, QWidget* parent = nullptr);

    std::array<QCheckBox*, 10> Check1{};
    QPushButton* CommandSelAll = nullptr;
    QPushButton* CommandClrAll = nullptr;
    QPushButton* CommandSet = nullptr;
    QPushButton* Command1 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // Cancel

    // The platform dialogs, replaceable by tests. ExecPrintDialog returns false on Cancel.
    std::function<bool(QPrinter&, QWidget*)> ExecPrintDialog;
    std::function<void(QPrinter&, QWidget*)> ExecSetupDialog;
    // Where the sections get their texts; the editors' sections plug in here.
    print::PrintSources Sources;
    // The pages of the last job as recorded (for tests and for a look before printing), and
    // which of them went to the printer in which order.
    std::vector<print::PrintedPage> LastPages;
    std::vector<std::size_t> LastPrinted;

    void ChangShowByLanguage();
    std::array<int, 10> GetPrintItems() const;

    void Command1_Click();
    void Command2_Click();
    void CommandSelAll_Click();
    void CommandClrAll_Click();
    void CommandSet_Click();

private:
    void PrintAllItems();

    AppState& st_;
    QPrinter& printer_;
};

// The sections of the printout with what they print from; the editors' sections are added here
// as they are built.
print::PrintSources MakePrintSources(const AppState& st);

}  // namespace rp
