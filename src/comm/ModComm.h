#pragma once
// The programming exchange with one radio: the step machine that leads a read, a write or a
// read of the radio's information block from the entry word to the end word, with the password
// check, retries, time-outs and the end of the exchange.
//
// It runs on one thread. Replies come in through CommTransport::OnReceive, time-outs through
// CommTimers::OnTimeout; the constructor connects both. A command of the main window starts an
// exchange like this:
//
//   st.CommMode = CommModes::Read;          // or Write, InfoRead
//   if (!comm.StartComm()) { st.CommMode = CommModes::Idle; return; }   // says why the port did not open
//   ...ask the user to confirm; on No: comm.Abandon()...
//   comm.BeginRead();                       // or BeginWrite() / BeginInfoRead()
//
// or in one call, without the confirmation: comm.ReadRadio(), WriteRadio(), ReadRadioInfo(),
// which run exactly those steps (StartComm, then the Begin step).
// The exchange then runs by itself and ends in FinishComm, which closes the port and the
// progress window and tells the user how it went.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "comm/CommPorts.h"
#include "model/AppState.h"

namespace rp {

// Steps of the exchange. 0 idle.
namespace CommStep {
constexpr int Idle = 0, EntryWord = 1, Ident = 2, PassWord = 3, Block = 4, Restart = 45, End = 69;
}

// Interval of each timer in milliseconds.
constexpr int kWaitTimerMs = 300;
constexpr int kCommandTimerMs = 100;
constexpr int kReadyTimerMs = 200;
constexpr int kEndTimerMs = 200;
constexpr int kRetriesPerStep = 3;
// How long the late answers to copies of an acknowledged write frame are waited for.
constexpr int kLateAnswerMs = 2 * kWaitTimerMs;

// Looks for the factory test-data marker TestData.ini beside the program and sets TestDataMode.
void CheckTestDataMarker(AppState& st);

// The text shown for a port that did not open: 2002 asks to check that it is there and free,
// 2018 says the user may not use it and how to be let in.
int PortOpenFailureText(PortOpenFault fault);
// Closing the progress window asks first during a write only: stopping it leaves the radio with
// part of the new data, while a stopped read changes nothing.
constexpr bool CloseAsksFirst(int commMode) { return commMode == CommModes::Write; }
// The text that ends an exchange that did not succeed (0: none). A write that may have stored a
// block and did not get to its end word has left the radio with part of the new data, whatever
// broke it off.
constexpr int FailedCommTextId(int commMode, bool blockMayBeStored, bool atEndWord) {
    switch (commMode) {
    case CommModes::Read: return 2006;
    case CommModes::Write: return blockMayBeStored && !atEndWord ? 2019 : 2007;
    case CommModes::InfoRead: return 2008;
    default: return 0;
    }
}

class ModComm {
public:
    ModComm(AppState& st, CommTransport& port, CommTimers& timers, CommUser& user);
    ModComm(const ModComm&) = delete;
    ModComm& operator=(const ModComm&) = delete;
    ~ModComm();

    // Sets the address window for CommMode and opens the port; says why (PortOpenFailureText)
    // and gives false when the port cannot be opened.
    bool StartComm();
    // Closes the port opened by StartComm when the user declines to go on; CommMode := CommModes::Idle.
    void Abandon();

    // The rest of a command after StartComm: pre-fill the image, count the blocks, show the
    // progress window and send the entry word. BeginWrite runs the encoders first: when one
    // fails it shows its label, closes the port and gives false without sending a byte.
    void BeginRead();
    bool BeginWrite();
    void BeginInfoRead();

    // Whole commands without a confirmation in between: StartComm and the Begin step above, as
    // the main window's commands run them; false when nothing was started.
    bool ReadRadio();
    bool WriteRadio();
    bool ReadRadioInfo();

    // The step machine: a step above 0 replaces the current step first; -1 goes on from it.
    void NextCommStep(int step);
    // Ends the exchange: closes the progress window and the port, tells the user, and after a
    // read takes the radio's data.
    void FinishComm(bool success);
    // The user closed the progress window. A write asks first (text 2020): No lets it go on to
    // its end as if nothing was asked, Yes ends it as failed; any other exchange just ends.
    void UserClosedProgress();

    // Senders. SendProgramWord opens the port if it is closed.
    void SendProgramWord();
    void SendIdentRequest();
    void SendPassWordRead();
    void SendNextReadRequest();
    void SendNextWriteBlock();
    void ResendReadRequest();
    void ResendWriteBlock();
    void EndTransfer();  // end word, then the exchange finishes
    void SendEndWord();  // end word, then the handshake starts again

    // The identification checks with their messages; false refuses the exchange.
    bool CheckRadioModel();
    void InitBlockRetries();
    void ShowCommProgress();

    // Events, connected by the constructor; public so that a test may call them.
    void OnReceive(const ByteBuffer& buffer);
    void OnTimeout(CommTimerId id);
    void OnLineError(const std::string& why);

    int Step() const { return step_; }

private:
    enum class Expect { None, ProgramAck, Ident, PassWord, ReadBlock, WriteAck };

    // failTextId: the text shown before the exchange ends when the port refuses the frame.
    bool SendFrame(const ByteBuffer& frame, std::size_t replyLength, Expect expect,
                   int failTextId = 0);
    void SendReadRequestAt(int address);
    void SendWriteBlockAt(int address);
    void StartTransfer();
    void RetryOrGiveUp();
    void WriteBlockDone();
    void RetriesExhausted();
    void HandlePassWordReply(const ByteBuffer& buffer);
    void StopAllTimers();
    int Message(const std::string& text, int style);
    std::string Text(int id) const;
    std::string Bilingual(const char* english, const char* chinese) const;
    // One of the start-up's message tables (InitMsgString) in the current language.
    std::string Bilingual(const std::array<std::string, 3>& table) const;
    std::string ModelName(const std::string& code) const;

    AppState& st_;
    CommTransport& port_;
    CommTimers& timers_;
    CommUser& user_;

    int step_ = CommStep::Idle;
    Expect expect_ = Expect::None;
    int startAddress_ = 0;
    int blockAddress_ = 0;
    int retryCount_ = kRetriesPerStep;
    int lastPercent_ = 0;
    bool transferStarted_ = false;
    // Write frames sent and refused in this exchange: each frame the radio did not refuse may
    // be stored, even when its acknowledgement was lost.
    int framesSent_ = 0;
    int framesRefused_ = 0;
    std::string transferModel_;     // the radio the blocks moved so far belong to
    // Answers still to come for the copies of the current write frame, and whether one of them
    // acknowledged it. An acknowledgement carries no address: the next frame goes out only when
    // every copy is answered, so no late answer can be taken for the next frame's.
    int answersDue_ = 0;
    bool blockStored_ = false;
    std::size_t Echo() const { return static_cast<std::size_t>(st_.EchoLength); }
    int modal_ = 0;                 // a dialog is open: the exchange waits
    // The encoded image of this write, kept so that an older radio's conversion always starts
    // from it, however often the handshake is repeated.
    std::optional<std::array<std::uint8_t, 0x4000>> encodedImage_;
    std::string convertedFor_;
};

}  // namespace rp
