#pragma once
// The exchange against a simulated radio in simulated time: a clock with an event queue,
// timers on that clock, and a line that hands the radio's replies over after their line time.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "SimRadio.h"
#include "comm/CommPorts.h"

namespace rp::sim {

// Microseconds of simulated time; events at the same time run in the order they were queued.
class SimClock {
public:
    using Event = std::function<void()>;
    std::int64_t Now() const { return now_; }
    std::uint64_t At(std::int64_t time, Event e);
    void Cancel(std::uint64_t id);
    // Runs events until done() holds or no event is left or the time limit passes; returns
    // done().
    bool RunUntil(const std::function<bool()>& done, std::int64_t limit);
    bool Idle() const { return events_.empty(); }

private:
    std::int64_t now_ = 0;
    std::uint64_t next_ = 1;
    std::map<std::pair<std::int64_t, std::uint64_t>, Event> events_;
};

class SimTimers : public CommTimers {
public:
    explicit SimTimers(SimClock& clock) : clock_(clock) {}
    void Start(CommTimerId id, int milliseconds) override;
    void Stop(CommTimerId id) override;
    bool Running(CommTimerId id) const { return pending_[static_cast<int>(id)] != 0; }

private:
    SimClock& clock_;
    std::uint64_t pending_[kCommTimerCount] = {};
};

// 9600 baud, ten bits a byte.
constexpr std::int64_t kByteMicros = 10'000'000 / 9600;

class SimTransport : public CommTransport {
public:
    SimTransport(SimClock& clock, SimRadio& radio) : clock_(clock), radio_(radio) {}

    bool Open(const std::string& portName, PortOpenError& error) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    void SetReplyLength(std::size_t length) override { threshold_ = length; }
    void ClearBuffers() override { rx_.clear(); }
    bool Write(const ByteBuffer& frame) override;

    // Faults of the line itself.
    bool FailOpen = false;
    PortOpenFault OpenFault = PortOpenFault::Unavailable;  // why a FailOpen port does not open
    int FailWriteAt = 0;  // this write (counted from 1) is refused by the port
    // Bytes take their line time (the request's and the reply's) when Paced is set.
    bool Paced = true;
    std::int64_t LatencyMicros = 200;
    // Paced replies arrive a byte at a time, so a time-out can fall in the middle of one.
    bool ByteByByte = false;

    // Delivers bytes as if they had come down the line now.
    void Inject(const ByteBuffer& bytes);
    // Reports a broken line to the exchange.
    void Break(const std::string& why) { if (OnError) OnError(why); }

    int OpenCount = 0, WriteCount = 0;
    std::size_t BytesSent = 0, BytesReceived = 0;
    std::string LastPortName;

private:
    void Arrive(const ByteBuffer& bytes);

    SimClock& clock_;
    SimRadio& radio_;
    bool open_ = false;
    std::size_t threshold_ = 1;
    ByteBuffer rx_;
    std::int64_t lineFree_ = 0;  // when the radio's side of the line is free again
};

}  // namespace rp::sim
