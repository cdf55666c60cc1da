#include "qtcomm/QtCommLink.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace rp {

std::vector<std::string> ListSerialPorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names.push_back(info.systemLocation().toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace rp
