#include "comm/ModComm.h"

#include <filesystem>

#include "comm/CommImage.h"
#include "comm/OldImage.h"
#include "comm/ProtocolFrames.h"
#include "comm/SkipRanges.h"
#include "model/BandText.h"
#include "model/FixedText.h"
#include "model/ModelTable.h"
#include "model/Values.h"

namespace rp {

int PortOpenFailureText(PortOpenFault fault) { return fault == PortOpenFault::NoPermission ? 2018 : 2002; }

void CheckTestDataMarker(AppState& st) {
    std::error_code ec;
    st.TestDataMode = std::filesystem::is_regular_file(
        std::filesystem::path(st.ProgramDir) / "TestData.ini", ec);
}

ModComm::ModComm(AppState& st, CommTransport& port, CommTimers& timers, CommUser& user)
    : st_(st), port_(port), timers_(timers), user_(user) {
    port_.OnReceive = [this](const ByteBuffer& b) { OnReceive(b); };
    port_.OnError = [this](const std::string& why) { OnLineError(why); };
    timers_.OnTimeout = [this](CommTimerId id) { OnTimeout(id); };
}

ModComm::~ModComm() {
    port_.OnReceive = nullptr;
    port_.OnError = nullptr;
    timers_.OnTimeout = nullptr;
}

std::string ModComm::Text(int id) const { return st_.LangText ? st_.LangText(id) : std::string(); }

std::string ModComm::Bilingual(const char* english, const char* chinese) const {
    return st_.LanguageIndex == 2 ? chinese : english;
}

std::string ModComm::Bilingual(const std::array<std::string, 3>& table) const {
    return table[st_.LanguageIndex == 2 ? 2 : 1];
}

std::string ModComm::ModelName(const std::string& code) const { return GetModelName(st_, code); }

void ModComm::StopAllTimers() {
    for (int i = 0; i < kCommTimerCount; ++i) timers_.Stop(static_cast<CommTimerId>(i));
}

// A message box during the exchange: the reply timers stop and received bytes are dropped until
// it closes, so a reply cannot move the exchange on behind the user's back.
int ModComm::Message(const std::string& text, int style) {
    StopAllTimers();
    ++modal_;
    const int button = user_.MessageBox(text, style);
    --modal_;
    return button;
}

bool ModComm::StartComm() {
    switch (st_.CommMode) {
    case CommModes::Read: startAddress_ = kReadStartAddress; st_.CommEndAddress = kLastBlockAddress; break;
    case CommModes::Write: startAddress_ = kWriteStartAddress; st_.CommEndAddress = kLastBlockAddress; break;
    case CommModes::InfoRead: startAddress_ = kReadStartAddress; st_.CommEndAddress = kInfoEndAddress; break;
    default: return false;
    }
    st_.ReadBlockSize = kReadBlockSize;
    st_.WriteBlockSize = kWriteBlockSize;
    StopAllTimers();
    if (port_.IsOpen()) port_.Close();
    step_ = CommStep::Idle;
    expect_ = Expect::None;
    blockAddress_ = startAddress_;
    transferStarted_ = false;
    framesSent_ = framesRefused_ = 0;
    encodedImage_.reset();
    convertedFor_.clear();
    InitBlockRetries();
    PortOpenError why;
    if (!port_.Open(st_.ComPortName, why)) {
        Message(Text(PortOpenFailureText(why.Fault)), MsgStyle::OkOnly);
        st_.CommMode = CommModes::Idle;
        return false;
    }
    return true;
}

void ModComm::Abandon() {
    StopAllTimers();
    if (port_.IsOpen()) port_.Close();
    st_.CommMode = CommModes::Idle;
    step_ = CommStep::Idle;
    expect_ = Expect::None;
}

void ModComm::BeginRead() {
    InitCommImage(st_);
    PrepareRead(st_, false);
    user_.ShowProgress();
    SendProgramWord();
}

bool ModComm::BeginWrite() {
    st_.WriteAllowed = true;
    InitCommImage(st_);
    std::string label;
    if (!SetCommData(st_, label) || !st_.WriteAllowed) {
        st_.WriteAllowed = false;
        Abandon();
        Message(label, MsgStyle::OkOnly);
        return false;
    }
    PrepareWrite(st_);
    user_.ShowProgress();
    SendProgramWord();
    return true;
}

void ModComm::BeginInfoRead() {
    InitCommImage(st_);
    SendProgramWord();
}

// The one-call commands are the main window's commands without the confirmation: the same
// opening of the port and the same Begin step, so whatever drives these drives the program's own
// exchange.
bool ModComm::ReadRadio() {
    st_.CommMode = CommModes::Read;
    if (!StartComm()) return false;
    BeginRead();
    return true;
}

bool ModComm::WriteRadio() {
    st_.CommMode = CommModes::Write;
    if (!StartComm()) return false;
    return BeginWrite();
}

bool ModComm::ReadRadioInfo() {
    st_.CommMode = CommModes::InfoRead;
    if (!StartComm()) return false;
    BeginInfoRead();
    return true;
}

void ModComm::InitBlockRetries() { retryCount_ = kRetriesPerStep; }

bool ModComm::SendFrame(const ByteBuffer& frame, std::size_t replyLength, Expect expect,
                        int failTextId) {
    // Each reply is read after the echo of its request, when the line echoes.
    st_.EchoLength = st_.NoEchoFlag ? 0 : static_cast<int>(frame.size());
    expect_ = expect;
    if (expect != Expect::None) timers_.Start(CommTimerId::WaitTimer, kWaitTimerMs);
    port_.SetReplyLength(Echo() + replyLength);
    port_.ClearBuffers();
    if (!port_.Write(frame)) {
        // Nothing would ever answer: end now rather than leave the user waiting.
        if (failTextId != 0) Message(Text(failTextId), MsgStyle::OkOnly);
        FinishComm(false);
        return false;
    }
    return true;
}

void ModComm::SendProgramWord() {
    if (st_.CommMode == CommModes::Idle) return;
    timers_.Stop(CommTimerId::CommandTimer);
    timers_.Stop(CommTimerId::ReadyTimer);
    if (!port_.IsOpen()) {
        PortOpenError why;
        if (!port_.Open(st_.ComPortName, why)) {
            Message(Text(PortOpenFailureText(why.Fault)), MsgStyle::OkOnly);
            FinishComm(false);
            return;
        }
    }
    step_ = CommStep::EntryWord;
    // The line starts afresh: answers to frames sent before the handshake are not waited for.
    answersDue_ = 0;
    blockStored_ = false;
    lastPercent_ = 0;
    SendFrame(MakeProgramWord(), kProgramAckLength, Expect::ProgramAck, 2002);
}

void ModComm::SendIdentRequest() { SendFrame(MakeIdentRequest(), kIdentReplyLength, Expect::Ident); }

void ModComm::SendPassWordRead() {
    SendFrame(MakeReadRequest(kPassWordBlockAddress, kReadBlockSize),
              BlockReplyLength(kReadBlockSize), Expect::PassWord);
}

void ModComm::SendReadRequestAt(int address) {
    blockAddress_ = address;
    SendFrame(MakeReadRequest(address, kReadBlockSize), BlockReplyLength(kReadBlockSize),
              Expect::ReadBlock);
}

void ModComm::SendWriteBlockAt(int address) {
    if (address != blockAddress_) {
        answersDue_ = 0;
        blockStored_ = false;
    }
    blockAddress_ = address;
    ++framesSent_;
    ++answersDue_;
    SendFrame(MakeBlockFrame(address, st_.CommImage.data() + address, kWriteBlockSize),
              kWriteAckLength, Expect::WriteAck);
}

void ModComm::ResendReadRequest() { SendReadRequestAt(blockAddress_); }
void ModComm::ResendWriteBlock() { SendWriteBlockAt(blockAddress_); }

void ModComm::SendNextReadRequest() {
    long address = blockAddress_ + kReadBlockSize;
    if (st_.CommMode == CommModes::Read && address == 0x03A0) {
        PrepareRead(st_, true);
        // The bar reaches its end where this radio's memory ends.
        st_.ProgressTotal = CountTransferBlocks(st_, 0x03A0, st_.CommEndAddress);
    }
    address = GetNextTransferAddress(st_, address);
    if (address > st_.CommEndAddress) {
        EndTransfer();
        return;
    }
    SendReadRequestAt(static_cast<int>(address));
}

void ModComm::SendNextWriteBlock() {
    const long address = GetNextTransferAddress(st_, blockAddress_ + kWriteBlockSize);
    if (address > st_.CommEndAddress) {
        EndTransfer();
        return;
    }
    SendWriteBlockAt(static_cast<int>(address));
}

// The radio may answer the end word or not; nothing is waited for. A short timer finishes the
// exchange or starts the handshake again, so every exchange comes to an end.
void ModComm::EndTransfer() {
    step_ = CommStep::End;
    if (SendFrame(MakeEndWord(), 1, Expect::None)) timers_.Start(CommTimerId::EndTimer, kEndTimerMs);
}

void ModComm::SendEndWord() {
    step_ = CommStep::Restart;
    if (SendFrame(MakeEndWord(), 1, Expect::None)) timers_.Start(CommTimerId::ReadyTimer, kReadyTimerMs);
}

void ModComm::StartTransfer() {
    step_ = CommStep::Block;
    if (transferStarted_) {
        // After a restart the exchange goes on with the block that was missing.
        if (st_.CommMode == CommModes::Write) ResendWriteBlock();
        else ResendReadRequest();
        return;
    }
    transferStarted_ = true;
    transferModel_ = NormalizeModelCode(TrimNull(st_.RadioModelCode));
    switch (st_.CommMode) {
    case CommModes::Read:
        if (st_.TestDataMode) {
            // The factory test block comes first; the next block after it is 0x0010.
            SendReadRequestAt(0x0000);
        } else {
            SendReadRequestAt(startAddress_);
        }
        break;
    case CommModes::Write:
        SendWriteBlockAt(static_cast<int>(GetNextTransferAddress(st_, startAddress_)));
        break;
    case CommModes::InfoRead:
        SendReadRequestAt(startAddress_);
        break;
    default: break;
    }
}

void ModComm::NextCommStep(int step) {
    if (step > 0) step_ = step;
    if (st_.CommMode == CommModes::Idle) return;
    switch (step_) {
    case CommStep::EntryWord:
        if (st_.CommMode == CommModes::Read || st_.CommMode == CommModes::Write) user_.SetProgress(lastPercent_);
        step_ = CommStep::Ident;
        SendIdentRequest();
        break;
    case CommStep::Ident:
        step_ = CommStep::PassWord;
        SendPassWordRead();
        break;
    case CommStep::PassWord:
        StartTransfer();
        break;
    case CommStep::Block:
        if (st_.CommMode == CommModes::Write) SendNextWriteBlock();
        else SendNextReadRequest();
        break;
    case CommStep::Restart:
        SendProgramWord();
        break;
    case CommStep::End:
        FinishComm(true);
        break;
    default: break;
    }
}

void ModComm::ShowCommProgress() {
    ++st_.ProgressCount;
    // The program's integer conversion (halves go to the even neighbour), as everywhere else.
    const int percent = static_cast<int>(
        RoundHalfEven(static_cast<double>(st_.ProgressCount) * 100.0 / (st_.ProgressTotal + 1)));
    if (percent != lastPercent_) {
        lastPercent_ = percent;
        user_.SetProgress(percent);
    }
}

bool ModComm::CheckRadioModel() {
    timers_.Stop(CommTimerId::WaitTimer);
    const std::string radio = NormalizeModelCode(TrimNull(st_.RadioModelCode));
    const std::string data = TrimNull(st_.CurModelCode);
    const bool write = st_.CommMode == CommModes::Write;
    bool ok = true;
    bool older = false;
    if (radio == data) {
        if (st_.RadioVersion != st_.CurVersionText) {
            Message(Bilingual(st_.VersionWrongText) + "\nPC is " + st_.CurVersionText + "\nRadio is " +
                        st_.RadioVersion,
                    MsgStyle::OkOnly);
            ok = false;
        }
    } else if (IsOlderModelCode(radio)) {
        older = true;
    } else {
        Message(Text(9012) + "\nPC is " + ModelName(data) + "\nRadio is " + ModelName(radio),
                MsgStyle::OkOnly);
        ok = false;
    }
    if (write) {
        if (st_.RadioBandIndex != st_.CurBandIndex) {
            Message(Bilingual(st_.BandWrongText), MsgStyle::Exclamation);
            ok = false;
        }
    } else if (ok && st_.CommMode == CommModes::Read && st_.RadioBandText.empty()) {
        // A band byte outside 0..7 names no band variant: such a radio is refused rather than
        // read into data without a band. Showing its information needs no band.
        Message(Bilingual("The radio reports an unknown frequency band.", "对讲机报告的频段类型未知。"),
                MsgStyle::Exclamation);
        ok = false;
    }
    if (write && ok) {
        if (st_.RadioKilled) {
            Message(Bilingual(st_.RadioKilledText), MsgStyle::OkOnly);
            ok = false;
        } else if (st_.RadioFainted) {
            Message(Bilingual(st_.RadioFaintedText), MsgStyle::OkOnly);
            ok = false;
        }
    }
    if (!ok) return false;

    // The cable may have been re-seated on another radio while the Retry prompt stood: the
    // layout and the end of the transfer follow the radio that answered this handshake, never
    // an earlier one.
    if (transferStarted_ && radio != transferModel_) {
        // Blocks moved so far belong to the other radio: the transfer starts over.
        transferStarted_ = false;
        if (st_.CommMode == CommModes::Read) PrepareRead(st_, false);
        else st_.ProgressCount = 0;
    }
    if (write) {
        // Converted at most once and always from the encoded image: a repeated handshake must
        // not convert an already converted image again.
        const std::string layout = older ? radio : std::string();
        if (layout != convertedFor_) {
            if (!encodedImage_) encodedImage_ = st_.CommImage;
            st_.CommImage = *encodedImage_;
            if (older) ConvertImageToOld(st_, radio);
            convertedFor_ = layout;
        }
    }
    if (st_.CommMode == CommModes::InfoRead) st_.CommEndAddress = kInfoEndAddress;
    else st_.CommEndAddress = older ? kOldRadioEndAddress : kLastBlockAddress;
    // The bar reaches its end where this radio's memory ends.
    if (write) st_.ProgressTotal = CountTransferBlocks(st_, kWriteStartAddress, st_.CommEndAddress);
    return true;
}

void ModComm::HandlePassWordReply(const ByteBuffer& buffer) {
    if (CheckPassWord(buffer, Echo(), st_.TypedPassWord)) {
        InitBlockRetries();
        NextCommStep(-1);
        return;
    }
    StopAllTimers();
    std::string typed = st_.TypedPassWord;
    ++modal_;
    const bool ok = user_.AskPassword(typed);
    --modal_;
    if (st_.CommMode == CommModes::Idle) return;
    if (!ok) {
        FinishComm(false);
        return;
    }
    st_.TypedPassWord = TrimNull(typed);
    if (CheckPassWord(buffer, Echo(), st_.TypedPassWord)) {
        InitBlockRetries();
        SendEndWord();
    } else {
        FinishComm(false);
    }
}

void ModComm::OnReceive(const ByteBuffer& buffer) {
    if (modal_ > 0 || st_.CommMode == CommModes::Idle) return;
    // Only the reply the current step waits for is taken; anything else is left to the time-out.
    switch (expect_) {
    case Expect::ProgramAck:
        if (!IsProgramAck(buffer, Echo())) return;
        timers_.Stop(CommTimerId::WaitTimer);
        expect_ = Expect::None;
        InitBlockRetries();
        NextCommStep(-1);
        return;
    case Expect::Ident: {
        const auto ident = ParseIdentReply(buffer, Echo());
        if (!ident) return;
        timers_.Stop(CommTimerId::WaitTimer);
        expect_ = Expect::None;
        st_.RadioModelCode = ident->ModelCode;
        st_.RadioBandIndex = ident->BandByte;
        st_.RadioBandText = GetBandRangeStr(ident->BandByte);
        st_.RadioVersion = ident->Version;
        st_.RadioKilled = ident->Killed ? -1 : 0;
        st_.RadioFainted = ident->Fainted ? -1 : 0;
        if (CheckRadioModel()) {
            InitBlockRetries();
            NextCommStep(-1);
        } else {
            FinishComm(false);
        }
        return;
    }
    case Expect::PassWord:
        if (step_ != CommStep::PassWord || !IsPassWordReply(buffer, Echo())) return;
        timers_.Stop(CommTimerId::WaitTimer);
        expect_ = Expect::None;
        HandlePassWordReply(buffer);
        return;
    case Expect::ReadBlock:
        if (!IsReadReply(buffer, Echo(), blockAddress_, kReadBlockSize)) return;
        timers_.Stop(CommTimerId::WaitTimer);
        expect_ = Expect::None;
        std::copy(buffer.begin() + static_cast<long>(Echo()) + 4,
                  buffer.begin() + static_cast<long>(Echo()) + 4 + kReadBlockSize,
                  st_.CommImage.begin() + blockAddress_);
        if (blockAddress_ == 0x0000) {
            GetCommDataByTestData(st_);
        } else {
            ShowCommProgress();
        }
        InitBlockRetries();
        NextCommStep(-1);
        return;
    case Expect::WriteAck: {
        const bool ack = IsAck(buffer, Echo());
        if (!ack && !IsNak(buffer, Echo())) return;
        if (answersDue_ > 0) --answersDue_;
        if (ack) blockStored_ = true;
        else ++framesRefused_;
        if (answersDue_ > 0) {
            // An earlier copy's answer, late: the answers to the later copies are still on their
            // way. Wait for them (however they answer, the block is stored once one said so).
            timers_.Start(CommTimerId::WaitTimer, blockStored_ ? kLateAnswerMs : kWaitTimerMs);
            return;
        }
        timers_.Stop(CommTimerId::WaitTimer);
        if (blockStored_) {
            WriteBlockDone();
        } else {
            // A refusal uses up the block's retries like a time-out does.
            RetryOrGiveUp();
        }
        return;
    }
    case Expect::None:
        return;
    }
}

void ModComm::WriteBlockDone() {
    expect_ = Expect::None;
    answersDue_ = 0;
    ShowCommProgress();
    InitBlockRetries();
    NextCommStep(-1);
}

void ModComm::RetryOrGiveUp() {
    if (retryCount_ <= 0) {
        RetriesExhausted();
        return;
    }
    --retryCount_;
    switch (step_) {
    case CommStep::EntryWord: SendProgramWord(); break;
    case CommStep::Ident: SendIdentRequest(); break;
    case CommStep::PassWord: SendPassWordRead(); break;
    case CommStep::Block:
        if (st_.CommMode == CommModes::Write) ResendWriteBlock();
        else ResendReadRequest();
        break;
    default: break;
    }
}

void ModComm::RetriesExhausted() {
    if (st_.CommMode == CommModes::InfoRead) {
        FinishComm(false);
        return;
    }
    StopAllTimers();
    port_.Close();
    const int button = Message(Text(2003), MsgStyle::RetryCancel);
    if (st_.CommMode == CommModes::Idle) return;
    if (button == MsgButton::Retry) {
        // The port was closed so the user may re-seat the cable: start from the entry word; a
        // transfer that had begun goes on at its current block.
        InitBlockRetries();
        SendProgramWord();
    } else {
        FinishComm(false);
    }
}

void ModComm::OnTimeout(CommTimerId id) {
    if (modal_ > 0 || st_.CommMode == CommModes::Idle) return;
    timers_.Stop(id);
    switch (id) {
    case CommTimerId::WaitTimer:
        if (expect_ == Expect::None) return;
        if (expect_ == Expect::WriteAck && blockStored_) {
            // The other copies' answers were lost on the line; the block is in the radio.
            WriteBlockDone();
            return;
        }
        RetryOrGiveUp();
        return;
    case CommTimerId::ReadyTimer:
        NextCommStep(-1);
        return;
    case CommTimerId::EndTimer:
        FinishComm(true);
        return;
    case CommTimerId::CommandTimer:
        return;
    }
}

void ModComm::OnLineError(const std::string&) {
    if (st_.CommMode == CommModes::Idle) return;
    FinishComm(false);
}

void ModComm::FinishComm(bool success) {
    const int mode = st_.CommMode;
    const bool atEndWord = step_ == CommStep::End;
    user_.CloseProgress();
    StopAllTimers();
    if (port_.IsOpen()) port_.Close();
    st_.CommMode = CommModes::Idle;
    step_ = CommStep::Idle;
    expect_ = Expect::None;
    encodedImage_.reset();
    if (mode == CommModes::Idle) return;
    if (!success) {
        const int id = FailedCommTextId(mode, framesSent_ > framesRefused_, atEndWord);
        if (id != 0) Message(Text(id), MsgStyle::OkOnly);
        return;
    }
    switch (mode) {
    case 1:
        ApplyRadioIdent(st_);
        GetCommData(st_);
        st_.IsNewData = -1;
        st_.DataFileName = "new.dat";
        // The radio's band and the model travel into the record before it becomes the saved
        // state; otherwise the save question would see the read itself as a change.
        st_.CurRadioData.BandIndex = static_cast<std::int16_t>(st_.CurBandIndex);
        st_.CurRadioData.ModelCode = TrimNull(st_.CurModelCode);
        st_.FileRadioData = st_.CurRadioData;
        st_.FileChannelTable = st_.ChannelTable;
        user_.DataReplaced();
        Message(Text(2004), MsgStyle::OkOnly);
        break;
    case 2:
        Message(Text(2005), MsgStyle::OkOnly);
        break;
    case 3:
        GetCommDataByInfo(st_);
        ++modal_;
        user_.ShowRadioInfo(st_.CurRadioInfo);
        --modal_;
        break;
    default: break;
    }
}

void ModComm::UserClosedProgress() {
    // A dialog of the exchange is open and its answer decides; or every block is stored and the
    // end word is out, so the write ends by itself in a moment.
    if (st_.CommMode == CommModes::Idle || modal_ > 0 || step_ == CommStep::End) return;
    if (CloseAsksFirst(st_.CommMode)) {
        const bool stop = Message(Text(2020), MsgStyle::QuestionYesNoDefaultNo) == MsgButton::Yes;
        if (st_.CommMode == CommModes::Idle) return;
        if (!stop) {
            // Replies that came while the question stood were dropped, and the radio may have
            // stopped waiting: the handshake starts again with whole retries and the write goes
            // on at the block it had reached.
            InitBlockRetries();
            SendEndWord();
            return;
        }
    }
    FinishComm(false);
}

}  // namespace rp
