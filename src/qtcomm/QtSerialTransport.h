#pragma once
// The serial line of the exchange on a QSerialPort: 9600 baud, 8 data bits, no parity, one stop
// bit, no flow control. Incoming chunks are gathered until the expected reply length is there
// and then handed over as one reply: the exchange looks at whole replies only, however the line
// splits them.
#include <QObject>
#include <QSerialPort>

#include "comm/CommPorts.h"

namespace rp {

// Why QSerialPort did not open a port, from its error and from access(2) on the device for reading
// and writing (accessError: the errno it gave, 0 when allowed). Qt reports a device this user may
// not open and a port another program holds (its lock file, or a port opened for it alone) with
// the same PermissionError; only the device's own rights tell the two apart.
PortOpenFault OpenFaultOf(QSerialPort::SerialPortError error, int accessError);

class QtSerialTransport : public QObject, public CommTransport {
    Q_OBJECT
public:
    explicit QtSerialTransport(QObject* parent = nullptr);

    bool Open(const std::string& portName, PortOpenError& error) override;
    void Close() override;
    bool IsOpen() const override;
    void SetReplyLength(std::size_t length) override { threshold_ = length > 0 ? length : 1; }
    void ClearBuffers() override;
    bool Write(const ByteBuffer& frame) override;

    QSerialPort& Port() { return port_; }
    // Bytes that crossed the line since the transport was made.
    std::size_t BytesWritten = 0, BytesRead = 0;

private:
    bool OpenPort(const std::string& portName, PortOpenError& error);
    void OnReadyRead();
    void OnPortError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QByteArray rx_;
    std::size_t threshold_ = 1;
    bool opening_ = false;
};

}  // namespace rp
