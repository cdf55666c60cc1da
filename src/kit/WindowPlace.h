#pragma once
// Where the main window opens: the place it was left at, unless no screen shows it any more.
#include <QList>
#include <QRect>

namespace rp {

// saved: the kept place (an invalid rect when none was kept); screens: the available area of
// every screen. A place whose title strip shows on no screen is moved onto the first screen,
// shrunk to fit it when it is larger.
QRect PlaceOnScreen(const QRect& saved, const QList<QRect>& screens, const QRect& fallback);

}  // namespace rp
