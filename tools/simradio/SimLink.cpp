#include "SimLink.h"

#include <algorithm>

namespace rp::sim {

std::uint64_t SimClock::At(std::int64_t time, Event e) {
    const std::uint64_t id = next_++;
    events_.emplace(std::make_pair(std::max(time, now_), id), std::move(e));
    return id;
}

void SimClock::Cancel(std::uint64_t id) {
    for (auto it = events_.begin(); it != events_.end(); ++it)
        if (it->first.second == id) { events_.erase(it); return; }
}

bool SimClock::RunUntil(const std::function<bool()>& done, std::int64_t limit) {
    while (!done() && !events_.empty()) {
        auto it = events_.begin();
        if (it->first.first > limit) break;
        now_ = it->first.first;
        Event e = std::move(it->second);
        events_.erase(it);
        e();
    }
    return done();
}

void SimTimers::Start(CommTimerId id, int milliseconds) {
    Stop(id);
    const int i = static_cast<int>(id);
    pending_[i] = clock_.At(clock_.Now() + std::int64_t{milliseconds} * 1000, [this, id, i] {
        pending_[i] = 0;
        if (OnTimeout) OnTimeout(id);
    });
}

void SimTimers::Stop(CommTimerId id) {
    const int i = static_cast<int>(id);
    if (pending_[i] != 0) clock_.Cancel(pending_[i]);
    pending_[i] = 0;
}

bool SimTransport::Open(const std::string& portName, PortOpenError& error) {
    LastPortName = portName;
    if (FailOpen) {
        error = {OpenFault, OpenFault == PortOpenFault::NoPermission ? "permission denied" : "the port is in use"};
        return false;
    }
    open_ = true;
    rx_.clear();
    ++OpenCount;
    return true;
}

void SimTransport::Close() {
    open_ = false;
    rx_.clear();
}

bool SimTransport::Write(const ByteBuffer& frame) {
    ++WriteCount;
    if (!open_ || WriteCount == FailWriteAt) return false;
    BytesSent += frame.size();
    const std::int64_t now = clock_.Now();
    const std::int64_t sent = now + (Paced ? kByteMicros * static_cast<std::int64_t>(frame.size()) : 0);
    for (SimReply& r : radio_.Receive(frame)) {
        const std::int64_t start = std::max(sent, lineFree_) + LatencyMicros + std::int64_t{r.DelayMs} * 1000;
        const std::int64_t end = start + (Paced ? kByteMicros * static_cast<std::int64_t>(r.Bytes.size()) : 0);
        lineFree_ = end;
        if (ByteByByte && Paced) {
            // As a serial port hands them over: each byte when it has come down the line.
            for (std::size_t i = 0; i < r.Bytes.size(); ++i)
                clock_.At(start + kByteMicros * static_cast<std::int64_t>(i + 1),
                          [this, byte = r.Bytes[i]] { Arrive(ByteBuffer{byte}); });
        } else {
            clock_.At(end, [this, bytes = std::move(r.Bytes)] { Arrive(bytes); });
        }
    }
    return true;
}

void SimTransport::Inject(const ByteBuffer& bytes) { Arrive(bytes); }

void SimTransport::Arrive(const ByteBuffer& bytes) {
    if (!open_) return;
    BytesReceived += bytes.size();
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    if (rx_.size() >= threshold_ && OnReceive) {
        ByteBuffer reply;
        reply.swap(rx_);
        OnReceive(reply);
    }
}

}  // namespace rp::sim
