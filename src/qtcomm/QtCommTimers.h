#pragma once
// The exchange's four single-shot timers on QTimer.
#include <QObject>
#include <QTimer>

#include "comm/CommPorts.h"

namespace rp {

class QtCommTimers : public QObject, public CommTimers {
    Q_OBJECT
public:
    explicit QtCommTimers(QObject* parent = nullptr);
    void Start(CommTimerId id, int milliseconds) override;
    void Stop(CommTimerId id) override;
    bool IsActive(CommTimerId id) const { return timers_[static_cast<int>(id)].isActive(); }

private:
    QTimer timers_[kCommTimerCount];
};

}  // namespace rp
