#include "kit/WindowPlace.h"

#include <algorithm>

namespace rp {

QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback) {
    QRect r = saved.isValid() && saved.width() >= 100 && saved.height() >= 80 ? saved : fallback;
    if (screens.isEmpty()) return r;
    // The title strip is what the user grabs to move the window: enough of it must show.
    const QRect strip(r.left(), r.top(), r.width(), 30);
    for (const QRect& s : screens) {
        const QRect seen = s.intersected(strip);
        if (seen.width() >= std::min(100, r.width()) && seen.height() >= 10) return r;
    }
    const QRect& s = screens.first();
    const int w = std::min(r.width(), s.width());
    const int h = std::min(r.height(), s.height());
    return {s.left() + (s.width() - w) / 2, s.top() + (s.height() - h) / 2, w, h};
}

}  // namespace rp
