#include "model/DataChanged.h"

#include <algorithm>
#include <vector>

#include "model/AppState.h"
#include "model/RecordIo.h"

namespace rp {

namespace {

// Walks a record as the file layout does and collects its fields with every fixed text
// reduced to what TrimNull reads, so two records compare equal exactly when no field differs.
class NormalArchive {
public:
    void I16(std::int16_t& v) { Put(&v, sizeof v); }
    void U8(std::uint8_t& v) { Put(&v, sizeof v); }
    void F64(double& v) { Put(&v, sizeof v); }
    template <std::size_t N> void Text(FixedText<N>& t) {
        const std::string s = t.Trimmed();
        const std::uint8_t len = static_cast<std::uint8_t>(s.size());
        Put(&len, 1);
        Put(s.data(), s.size());
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    void Put(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    std::vector<std::uint8_t> bytes_;
};

template <class T> std::vector<std::uint8_t> Normal(const T& record) {
    NormalArchive a;
    T copy = record;  // Io walks by reference; nothing is written through it here
    Io(a, copy);
    return a.Bytes();
}

}  // namespace

bool IsDataChanged(const AppState& st) {
    const RadioData& cur = st.CurRadioData;
    const RadioData& file = st.FileRadioData;
    if (st.CurBandIndex != file.BandIndex) return true;
    if (TrimNull(st.CurModelCode) != file.ModelCode.Trimmed()) return true;

    // The band and model travel in the file copy from the globals; the working record's own
    // fields are only refreshed when the data are saved.
    RadioData curForCompare = cur;
    curForCompare.BandIndex = file.BandIndex;
    curForCompare.ModelCode = file.ModelCode;
    // Equal records need no field walk; only a difference has to be judged by TrimNull.
    if (!(curForCompare == file) && Normal(curForCompare) != Normal(file)) return true;

    const int n = std::clamp<int>(cur.ChannelCount, 0, kMaxChannels);
    for (int i = 0; i < n; ++i)
        if (!(st.ChannelTable[i] == st.FileChannelTable[i]) &&
            Normal(st.ChannelTable[i]) != Normal(st.FileChannelTable[i]))
            return true;
    return false;
}

}  // namespace rp
