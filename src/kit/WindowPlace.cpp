#include "kit/WindowPlace.h"

#include <algorithm>

namespace rp {

namespace {

long long Area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

// Steps that came this soon before the window was told it is maximised may be the window
// manager's own.
constexpr std::int64_t kMaximiseStepMsecs = 1000;
constexpr int kStepsKept = 8;

}  // namespace

QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback, const QMargins& frame) {
    const QRect r = saved.isValid() && saved.width() >= 100 && saved.height() >= 80 ? saved : fallback;
    if (screens.isEmpty()) return r;
    const int left = std::max(0, frame.left()), top = std::max(0, frame.top());
    const int across = left + std::max(0, frame.right()), down = top + std::max(0, frame.bottom());
    // What the user sees of the window: its frame, from the kept top-left.
    const QRect outer(r.left(), r.top(), r.width() + across, r.height() + down);
    const QRect* screen = nullptr;
    long long most = 0;
    for (const QRect& s : screens) {
        const long long seen = Area(s.intersected(outer));
        if (seen > most) {
            most = seen;
            screen = &s;
        }
    }
    const bool lost = screen == nullptr;  // left on a screen that is gone
    const QRect& s = lost ? screens.first() : *screen;
    const int w = std::max(1, std::min(r.width(), s.width() - across));
    const int h = std::max(1, std::min(r.height(), s.height() - down));
    if (lost) return {s.left() + (s.width() - w - across) / 2, s.top() + (s.height() - h - down) / 2, w, h};
    // The whole frame stays on the screen: the title bar is what the user grabs to move the
    // window, and a border what he grabs to size it.
    const int x = std::clamp(r.left(), s.left(), std::max(s.left(), s.left() + s.width() - across - w));
    const int y = std::clamp(r.top(), s.top(), std::max(s.top(), s.top() + s.height() - down - h));
    return {x, y, w, h};
}

void NormalPlace::Start(const QRect& place) {
    start_ = place;
    steps_.clear();
}

void NormalPlace::Moved(const QRect& place, std::int64_t msecs) {
    if (!steps_.isEmpty() && steps_.last().Place == place) return;
    steps_.append({place, msecs});
    if (steps_.size() > kStepsKept) start_ = steps_.takeFirst().Place;
}

void NormalPlace::Maximised(const QRect& place, bool filled, std::int64_t msecs) {
    // Told first, the window has not moved yet: every step was the user's.
    if (!filled) return;
    // The window manager maximised the window before it said so, in one step or in a move and a
    // size: its steps share the maximised top-left or size and came just before.
    while (!steps_.isEmpty()) {
        const Step& last = steps_.last();
        const bool justBefore = msecs - last.Msecs <= kMaximiseStepMsecs;
        const bool maximisedPart = last.Place.topLeft() == place.topLeft() || last.Place.size() == place.size();
        if (!justBefore || !maximisedPart) break;
        steps_.removeLast();
    }
}

}  // namespace rp
