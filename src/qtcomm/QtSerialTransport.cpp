#include "qtcomm/QtSerialTransport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace rp {

PortOpenFault OpenFaultOf(QSerialPort::SerialPortError error, int accessError) {
    const bool denied = accessError == EACCES || accessError == EPERM;
    return error == QSerialPort::PermissionError && denied ? PortOpenFault::NoPermission
                                                           : PortOpenFault::Unavailable;
}

namespace {

// The device QSerialPort opens for a port name: a path as it is, a bare name under /dev.
std::string DevicePath(const std::string& portName) {
    const bool path = portName.starts_with('/') || portName.starts_with("./") || portName.starts_with("../");
    return path ? portName : "/dev/" + portName;
}

// The errno of access(2) for reading and writing the device, with the rights open(2) uses.
int AccessError(const std::string& portName) {
    return faccessat(AT_FDCWD, DevicePath(portName).c_str(), R_OK | W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

}  // namespace

QtSerialTransport::QtSerialTransport(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialTransport::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialTransport::OnPortError);
}

bool QtSerialTransport::Open(const std::string& portName, PortOpenError& error) {
    if (port_.isOpen()) port_.close();
    rx_.clear();
    // QSerialPort also signals the errors of opening (a folder or a link loop as the port name
    // comes as an unknown error). They are answered here, through the result; passed on as a
    // broken line they would end an exchange that has not begun.
    opening_ = true;
    const bool opened = OpenPort(portName, error);
    opening_ = false;
    return opened;
}

bool QtSerialTransport::OpenPort(const std::string& portName, PortOpenError& error) {
    port_.setPortName(QString::fromStdString(portName));
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError why = port_.error();
        error = {OpenFaultOf(why, why == QSerialPort::PermissionError ? AccessError(portName) : 0),
                 port_.errorString().toStdString()};
        port_.clearError();
        return false;
    }
    const bool set = port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
                     port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
                     port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        error = {PortOpenFault::Unavailable, port_.errorString().toStdString()};
        port_.close();
        port_.clearError();
        return false;
    }
    return true;
}

void QtSerialTransport::Close() {
    if (port_.isOpen()) port_.close();
    rx_.clear();
}

bool QtSerialTransport::IsOpen() const { return port_.isOpen(); }

void QtSerialTransport::ClearBuffers() {
    rx_.clear();
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::AllDirections);
    port_.readAll();
}

bool QtSerialTransport::Write(const ByteBuffer& frame) {
    if (!port_.isOpen()) return false;
    const auto n = static_cast<qint64>(frame.size());
    if (port_.write(reinterpret_cast<const char*>(frame.data()), n) != n) return false;
    BytesWritten += frame.size();
    // Hand the bytes to the driver now rather than on the next turn of the event loop.
    port_.flush();
    return true;
}

void QtSerialTransport::OnReadyRead() {
    const QByteArray chunk = port_.readAll();
    BytesRead += static_cast<std::size_t>(chunk.size());
    rx_.append(chunk);
    if (static_cast<std::size_t>(rx_.size()) < threshold_) return;
    ByteBuffer reply(rx_.begin(), rx_.end());
    rx_.clear();
    if (OnReceive) OnReceive(reply);
}

void QtSerialTransport::OnPortError(QSerialPort::SerialPortError error) {
    if (opening_) return;
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::OpenError:  // reported through Open's result
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::UnsupportedOperationError:
        return;
    default: break;
    }
    const std::string why = port_.errorString().toStdString();
    port_.clearError();
    if (OnError) OnError(why);
}

}  // namespace rp
