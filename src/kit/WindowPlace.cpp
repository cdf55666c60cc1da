#include "kit/WindowPlace.h"

#include <algorithm>

namespace rp {

namespace {

long long Area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

// Steps that came this soon before the window was told it is maximised may be the window
// manager's own.
constexpr std::int64_t kMaximiseStepMsecs = 1000;
// The parts of one maximise (a move and a size, which Qt reports one after the other even when
// the window manager made them in one go) come together; no user moves a window and then
// maximises it this fast.
constexpr std::int64_t kOneMaximiseMsecs = 100;
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
    // size: its steps share the maximised top-left or size, the last came just before, and the
    // others with it. A step that came apart is the user's, even one into the corner the
    // maximised window starts at.
    std::int64_t after = msecs, gap = kMaximiseStepMsecs;
    while (!steps_.isEmpty()) {
        const Step& last = steps_.last();
        const bool together = after - last.Msecs <= gap;
        const bool maximisedPart = last.Place.topLeft() == place.topLeft() || last.Place.size() == place.size();
        if (!together || !maximisedPart) break;
        after = last.Msecs;
        gap = kOneMaximiseMsecs;
        steps_.removeLast();
    }
}

QRect OpeningPlace(const QRect& saved, const QSize& minimum, const QList<QRect>& screens, const QRect& fallback) {
    // Qt grows a window to its minimum once it has made the native window, and the window system
    // may take that later step's top-left as the window's own rather than its frame's: the frame
    // would open a title bar higher than it was left. Grown here, before any of that, the kept
    // top-left stays where the frame starts.
    const QRect kept = saved.isValid() ? QRect(saved.topLeft(), saved.size().expandedTo(minimum)) : saved;
    // Not framed yet: a kept place that fits as it is stays exactly as the user left it (its own
    // frame was on the screen); one that must change anyway makes room for a frame of the usual
    // size. Once the real frame is known it is fitted again.
    const bool keep = kept.isValid() && PlaceOnScreen(kept, screens, fallback, QMargins()) == kept;
    QRect r = keep ? kept : PlaceOnScreen(kept, screens, fallback, kUnknownFrame);
    r.setSize(r.size().expandedTo(minimum));
    return r;
}

}  // namespace rp
