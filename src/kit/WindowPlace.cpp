#include "kit/WindowPlace.h"

#include <algorithm>

namespace rp {

namespace {

long long Area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

}  // namespace

QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback, int titleHeight) {
    const QRect r = saved.isValid() && saved.width() >= 100 && saved.height() >= 80 ? saved : fallback;
    if (screens.isEmpty()) return r;
    const int title = std::max(0, titleHeight);
    // What the user sees of the window: its frame with the title bar is taller than it.
    const QRect outer(r.left(), r.top(), r.width(), r.height() + title);
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
    const int w = std::max(1, std::min(r.width(), s.width()));
    const int h = std::max(1, std::min(r.height(), s.height() - title));
    if (lost) return {s.left() + (s.width() - w) / 2, s.top() + (s.height() - h - title) / 2, w, h};
    // The title bar stays on the screen: it is what the user grabs to move the window.
    const int x = std::clamp(r.left(), s.left(), std::max(s.left(), s.left() + s.width() - w));
    const int y = std::clamp(r.top(), s.top(), std::max(s.top(), s.top() + s.height() - title - h));
    return {x, y, w, h};
}

}  // namespace rp
