#include "qtcomm/QtCommTimers.h"

namespace rp {

QtCommTimers::QtCommTimers(QObject* parent) : QObject(parent) {
    for (int i = 0; i < kCommTimerCount; ++i) {
        timers_[i].setSingleShot(true);
        timers_[i].setTimerType(Qt::PreciseTimer);
        const auto id = static_cast<CommTimerId>(i);
        connect(&timers_[i], &QTimer::timeout, this, [this, id] {
            if (OnTimeout) OnTimeout(id);
        });
    }
}

void QtCommTimers::Start(CommTimerId id, int milliseconds) {
    timers_[static_cast<int>(id)].start(milliseconds);
}

void QtCommTimers::Stop(CommTimerId id) { timers_[static_cast<int>(id)].stop(); }

}  // namespace rp
