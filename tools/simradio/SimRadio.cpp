#include "SimRadio.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "comm/ProtocolFrames.h"

namespace rp::sim {

namespace {
const char kProgramWord[] = "PROGRAM";
const char kEndWord[] = "END";
}  // namespace

SimRadio::SimRadio() { Memory.fill(0xFF); }

bool SimRadio::Chance(int percent) {
    if (percent <= 0) return false;
    if (seededWith_ != Faults.RandomSeed + 1) {
        random_.seed(Faults.RandomSeed);
        seededWith_ = Faults.RandomSeed + 1;
    }
    return std::uniform_int_distribution<int>(0, 99)(random_) < percent;
}

bool SimRadio::LoadImage(const std::string& path, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) { error = "cannot open " + path; return false; }
    std::vector<char> data((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (data.size() != Memory.size()) {
        error = path + " holds " + std::to_string(data.size()) + " bytes, not " +
                std::to_string(Memory.size());
        return false;
    }
    std::memcpy(Memory.data(), data.data(), Memory.size());
    return true;
}

bool SimRadio::SaveImage(const std::string& path, std::string& error) const {
    const std::string tmp = path + ".part";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(Memory.data()), static_cast<std::streamsize>(Memory.size()));
        if (!f) { error = "cannot write " + tmp; return false; }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) { error = "cannot rename " + tmp; return false; }
    return true;
}

void SimRadio::SetPassWord(const std::string& pw) {
    for (int i = 0; i < 4; ++i)
        Memory[0x4C + i] = i < static_cast<int>(pw.size()) ? static_cast<std::uint8_t>(pw[i]) : 0xFF;
}

std::vector<SimReply> SimRadio::Receive(const std::uint8_t* data, std::size_t size) {
    in_.insert(in_.end(), data, data + size);
    std::vector<SimReply> out;
    Parse(out);
    return out;
}

ByteBuffer SimRadio::BlockReply(int address, int length, bool wrongAddress) const {
    const int named = wrongAddress ? address + length : address;
    std::uint8_t block[256];
    for (int i = 0; i < length; ++i) block[i] = Memory[(address + i) & (kMemorySize - 1)];
    return MakeBlockFrame(named, block, length);
}

void SimRadio::Reply(std::vector<SimReply>& out, ByteBuffer bytes, std::size_t requestLength,
                     bool isBlock, int blockAddress) {
    if (silent_) {
        if (silentLeft_ > 0 && --silentLeft_ == 0) silent_ = false;
        return;
    }
    const int n = ++RepliesMade;
    if (isBlock && Faults.SilentAfterBlock == blockAddress) {
        silent_ = true;
        silentLeft_ = Faults.SilentFor;
        Faults.SilentAfterBlock = -1;
    }
    if (n == Faults.DropReply || Chance(Faults.DropPercent)) return;
    if (n == Faults.CorruptChecksum && bytes.size() >= 2) bytes[bytes.size() - 2] ^= 0x5A;
    if (n == Faults.ShortReply && !bytes.empty()) bytes.pop_back();
    if (n == Faults.LongReply) bytes.push_back(kAck);
    SimReply r;
    r.Bytes = std::move(bytes);
    r.RequestLength = requestLength;
    if (n == Faults.DelayReply) r.DelayMs = Faults.DelayMs;
    else if (Chance(Faults.DelayPercent))
        r.DelayMs = std::uniform_int_distribution<int>(1, std::max(1, Faults.MaxDelayMs))(random_);
    out.push_back(std::move(r));
}

void SimRadio::Parse(std::vector<SimReply>& out) {
    for (;;) {
        if (in_.empty()) return;
        const std::uint8_t b = in_[0];
        std::size_t used = 0;
        if (b == 'P') {
            std::size_t k = 0;
            while (k < in_.size() && k < 7 && in_[k] == static_cast<std::uint8_t>(kProgramWord[k])) ++k;
            if (k == 7) {
                used = 7;
                programming_ = true;
                ++EntryCount;
                Reply(out, ByteBuffer{'Z', 'V', kAck}, 7, false, -1);
            } else if (k == in_.size()) {
                return;  // the rest of the word is still on its way
            } else {
                used = 1;
            }
        } else if (!programming_) {
            used = 1;  // a radio out of programming mode listens for the entry word only
        } else if (b == 0x02) {
            used = 1;
            ++IdentCount;
            Reply(out, MakeIdentReply(Config.Model, Config.Band, Config.Version, Config.Status), 1,
                  false, -1);
        } else if (b == 'R') {
            if (in_.size() < 4) return;
            used = 4;
            const int address = in_[1] * 256 + in_[2];
            const int length = in_[3];
            ReadAddresses.push_back(address);
            const bool wrong = (RepliesMade + 1) == Faults.WrongAddress;
            Reply(out, BlockReply(address, length, wrong), 4, true, address);
        } else if (b == 'W') {
            if (in_.size() < 4) return;
            const std::size_t total = 4 + static_cast<std::size_t>(in_[3]) + 2;
            if (in_.size() < total) return;
            used = total;
            ByteBuffer frame(in_.begin(), in_.begin() + static_cast<long>(total));
            const int address = frame[1] * 256 + frame[2];
            const int length = frame[3];
            bool refuse = !IsCheckSumOK(frame, 1) || frame.back() != kAck;
            if (!refuse && address == Faults.RefuseWriteAt) {
                refuse = true;
                Faults.RefuseWriteAt = -1;
            }
            if (!refuse && Chance(Faults.RefusePercent)) refuse = true;
            if (!refuse && Faults.RefuseWrites != 0) {
                refuse = true;
                if (Faults.RefuseWrites > 0) --Faults.RefuseWrites;
            }
            if (refuse) {
                ++RefusedCount;
            } else {
                for (int i = 0; i < length; ++i) Memory[(address + i) & (kMemorySize - 1)] = frame[4 + i];
                WriteAddresses.push_back(address);
            }
            Reply(out, ByteBuffer{refuse ? kNak : kAck}, total, true, address);
        } else if (b == 'E') {
            std::size_t k = 0;
            while (k < in_.size() && k < 3 && in_[k] == static_cast<std::uint8_t>(kEndWord[k])) ++k;
            if (k == 3) {
                used = 3;
                programming_ = false;
                ++EndCount;
                if (Config.AnswerEndWord) Reply(out, ByteBuffer{kAck}, 3, false, -1);
            } else if (k == in_.size()) {
                return;
            } else {
                used = 1;
            }
        } else {
            used = 1;
        }
        in_.erase(in_.begin(), in_.begin() + static_cast<long>(used));
    }
}

}  // namespace rp::sim
