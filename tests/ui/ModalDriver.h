#pragma once
// What the user-round tests share: a data set with the shipped texts, and the driving of a modal
// dialog the way a user drives it, from inside its own event loop.
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "model/AppState.h"
#include "model/LangText.h"
#include "model/NewData.h"

namespace rp::test {

// English texts from the shipped files, the messages and the function texts, and new data.
inline void PrepareUserRound(AppState& st) {
    st.ProgramDir = RP_RUNTIME_DIR;
    SetLanguage(st, 1);
    InitMsgString(st);
    InitFunLangText(st);
    NewData(st);
}

// Sets off `open` (a menu command, a button) and runs `act` once a dialog of the given class is
// the active modal one. A dialog that `act` leaves open (a failed check) is cancelled, so a
// failure never hangs the run. False when no such dialog showed.
template <class Dialog>
bool RunModal(const std::function<void()>& open, const std::function<void(Dialog&)>& act) {
    bool done = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (d == nullptr || done) return;
        done = true;
        QPointer<Dialog> alive(d);
        act(*d);
        if (alive && alive->isVisible()) alive->reject();
    });
    driver.start(5);
    open();
    driver.stop();
    return done;
}

// An item chosen from a drop-down list by the user.
inline void Pick(QComboBox* c, int index) {
    c->setCurrentIndex(index);
    emit c->activated(index);
}

}  // namespace rp::test
