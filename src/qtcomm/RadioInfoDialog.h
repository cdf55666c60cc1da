#pragma once
// A plain list of the radio's information record, shown after an information read until the
// full viewer takes its place.
#include <QDialog>

#include "model/Records.h"

namespace rp {

class RadioInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit RadioInfoDialog(const RadioInfo& info, QWidget* parent = nullptr);
};

}  // namespace rp
