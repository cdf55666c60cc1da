#pragma once
// What the programming exchange needs of the outside world: a serial line, four timers and the
// user. The step machine knows them only through these classes, so it runs the same against the
// real port, against a simulated radio with simulated time, and with scripted answers.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/Records.h"

namespace rp {

using ByteBuffer = std::vector<std::uint8_t>;

// The serial line to the radio (9600 baud, 8N1, no flow control).
class CommTransport {
public:
    virtual ~CommTransport() = default;

    // Opens the named port; on failure returns false and says why in error.
    virtual bool Open(const std::string& portName, std::string& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The length of the reply expected next: bytes are gathered until at least this many have
    // arrived and are then handed over together, as one reply.
    virtual void SetReplyLength(std::size_t length) = 0;
    // Drops whatever was received and not yet handed over, and anything not yet sent.
    virtual void ClearBuffers() = 0;
    // Queues the frame for sending; false when the port refuses it.
    virtual bool Write(const ByteBuffer& frame) = 0;

    // Set by the owner of the exchange.
    std::function<void(const ByteBuffer&)> OnReceive;    // one whole reply
    // The line broke (unplugged, I/O error). Never called for a port that Open could not open:
    // that is Open's false alone.
    std::function<void(const std::string&)> OnError;
};

enum class CommTimerId { WaitTimer = 0, CommandTimer = 1, ReadyTimer = 2, EndTimer = 3 };
constexpr int kCommTimerCount = 4;

// Single-shot timers; starting a running timer restarts it.
class CommTimers {
public:
    virtual ~CommTimers() = default;
    virtual void Start(CommTimerId id, int milliseconds) = 0;
    virtual void Stop(CommTimerId id) = 0;
    std::function<void(CommTimerId)> OnTimeout;
};

// Message box styles and returned buttons as plain numbers, the same the widgets' MsgBox takes and
// returns, so the core asks its questions without Qt.
namespace MsgStyle {
constexpr int OkOnly = 0, OkCancel = 1, RetryCancel = 5, Critical = 16, Question = 33,
              Exclamation = 48, ExclamationOkCancel = 49, ExclamationYesNoCancel = 51,
              Information = 64;
// Yes/No with a question mark, No pressed by Enter: for a question whose Yes cannot be undone.
constexpr int QuestionYesNoDefaultNo = 36 + 256;
}
namespace MsgButton {
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

// Everything the exchange shows to the user or asks of the user. The exchange stops its timers
// and ignores received bytes while any of the modal calls below runs, so an implementation may
// run a nested event loop.
class CommUser {
public:
    virtual ~CommUser() = default;

    // Modal message box with the program's title; returns the button pressed (MsgButton).
    virtual int MessageBox(const std::string& text, int style) = 0;
    // The password dialog: shows typed as the offered text; returns false on Cancel or close,
    // true on OK with typed set to what the user confirmed (trimmed by the caller).
    virtual bool AskPassword(std::string& typed) = 0;

    // The progress window. Show must not block; the window stays until CloseProgress.
    virtual void ShowProgress() = 0;
    virtual void SetProgress(int percent) = 0;
    virtual void CloseProgress() = 0;

    // Modal viewer of the radio's information record, after a successful information read.
    virtual void ShowRadioInfo(const RadioInfo& info) = 0;
    // A read has replaced the data: the main window shows the model's controls and refills its
    // grids.
    virtual void DataReplaced() = 0;
};

}  // namespace rp
