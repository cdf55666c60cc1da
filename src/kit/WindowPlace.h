#pragma once
// Where the main window opens: the place it was left at or its default one, fitted into the
// screen it opens on.
#include <QList>
#include <QRect>

namespace rp {

// The room a title bar takes above a window before the window manager has framed it.
constexpr int kUnknownTitleHeight = 40;

// saved: the kept place (an invalid rect when none was kept), its top-left where the window's
// frame starts and its size the window's own; screens: the available area of every screen.
// The place goes onto the screen that shows most of it (the first one when none shows any of
// it, centred there), then into that screen's area with room for the title bar above it:
// moved first, and shrunk only where it is larger than the screen.
QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback,
                    int titleHeight = kUnknownTitleHeight);

}  // namespace rp
