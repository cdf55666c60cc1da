#pragma once
// The serial port and the four timers of the exchange in one object, with the step machine that
// drives them. The main window owns one and hands it the user side (messages, password,
// progress, information viewer).
#include <string>
#include <vector>

#include "comm/ModComm.h"
#include "qtcomm/QtCommTimers.h"
#include "qtcomm/QtSerialTransport.h"

namespace rp {

class QtCommLink {
public:
    QtCommLink(AppState& st, CommUser& user) : comm_(st, port_, timers_, user) {}
    ModComm& Comm() { return comm_; }
    QtSerialTransport& Port() { return port_; }
    QtCommTimers& Timers() { return timers_; }

private:
    QtSerialTransport port_;
    QtCommTimers timers_;
    ModComm comm_;
};

// The serial ports of this computer by device path (/dev/ttyS0, /dev/ttyUSB0, ...), sorted.
std::vector<std::string> ListSerialPorts();

}  // namespace rp
