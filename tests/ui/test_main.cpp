// Widget tests share one QApplication; they run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <gtest/gtest.h>

#include "kit/MsgBox.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A message box nobody scripted would wait for a click that never comes: fail instead.
    rp::SetMsgBoxAnswerer([](const QString& text, int style, const QString&) {
        ADD_FAILURE() << "unscripted message box (style " << style << "): " << text.toStdString();
        return rp::MsgButton::Cancel;
    });
    return RUN_ALL_TESTS();
}
