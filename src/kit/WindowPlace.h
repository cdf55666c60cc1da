#pragma once
// Where the main window opens: the place it was left at or its default one, fitted into the
// screen it opens on; and the place it returns to when it is not maximised, followed while it is
// used.
#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace rp {

// The frame a window manager puts around a window, before it has framed it: room for a title bar
// above the window and a border on its other sides. Generous, so that the real frame of the
// common desktops fits where this one does.
inline constexpr QMargins kUnknownFrame{8, 40, 8, 8};

// A window's place as kept: its top-left where its frame starts, its size its own (without the
// frame). Qt's pos() and size() give it in that form.
//
// saved: the kept place (an invalid rect when none was kept); screens: the available area of
// every screen; frame: the frame around the window. The place goes onto the screen that shows
// most of the framed window (the first one when none shows any of it, centred there), then its
// whole frame into that screen's area: moved first, and shrunk only where it is larger than the
// screen.
QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback,
                    const QMargins& frame = kUnknownFrame);

// The place a window opens at, before the window manager has framed it: `saved` as in
// PlaceOnScreen, `minimum` the size the window will be given at least when shown, which the
// place is never below (it may have grown since the place was kept, for example with the
// language).
QRect OpeningPlace(const QRect& saved, const QSize& minimum, const QList<QRect>& screens, const QRect& fallback);

// The place a window returns to when it is no longer maximised, taken from its own moves and
// sizes while it is not maximised. Some window managers give the window its maximised size just
// before they tell it that it is maximised, and Qt then keeps that size as the normal geometry;
// such a last step is no place of the user's and is dropped when the window is told.
class NormalPlace {
public:
    // The place the window opens at.
    void Start(const QRect& place);
    // The window, not maximised, was moved or sized to `place`; `msecs` is a running clock.
    void Moved(const QRect& place, std::int64_t msecs);
    // The window has just been told it is maximised (or full screen): `place` is where it stands
    // now, and `filled` whether its frame already fills the screen's available area.
    void Maximised(const QRect& place, bool filled, std::int64_t msecs);
    QRect Place() const { return steps_.isEmpty() ? start_ : steps_.last().Place; }

private:
    struct Step {
        QRect Place;
        std::int64_t Msecs;
    };
    QRect start_;
    QList<Step> steps_;  // the latest last, a few only
};

}  // namespace rp
