#include "qtcomm/RadioInfoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace rp {

RadioInfoDialog::RadioInfoDialog(const RadioInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmEMG");
    auto* form = new QFormLayout;
    auto row = [&](const char* name, const std::string& value) {
        auto* label = new QLabel(QString::fromLatin1(value.data(), static_cast<int>(value.size())), this);
        label->setObjectName(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromLatin1(name), label);
    };
    row("BandCode", std::to_string(info.BandCode));
    row("SerialNumber", info.SerialNumber.Trimmed());
    row("ProductionDate", info.ProductionDate.Trimmed());
    row("MaintenanceDate", info.MaintenanceDate.Trimmed());
    row("MaintenanceReason", info.MaintenanceReason.Trimmed());
    row("FirmwareVersion", info.FirmwareVersion);
    row("InfoModelCode", info.InfoModelCode);
    row("AreaCode", info.AreaCode);
    row("ManufactureCode", info.ManufactureCode.Trimmed());
    row("UserCode", info.UserCode.Trimmed());
    row("DealerCode", info.DealerCode.Trimmed());
    row("StockDate", info.StockDate.Trimmed());
    row("SellDate", info.SellDate.Trimmed());
    row("Seller", info.Seller.Trimmed());
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

}  // namespace rp
