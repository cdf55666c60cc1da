#pragma once
// What a real-window test saw on this screen, left where CTest compares the run on a large screen
// with the run on a laptop screen (ui_same_on_both_screens): the same keys must give the same
// stops and the same data whatever the screen size. Tests that record run under both filters
// (their names hold "UserInput" and "LaptopScreen").
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <gtest/gtest.h>

namespace rp::test {

// One file per name under $RP_SCREEN_RECORDS/<width>x<height>/; nothing without the variable.
inline void RecordForScreen(const std::string& name, const std::string& text) {
    const char* root = std::getenv("RP_SCREEN_RECORDS");
    if (root == nullptr || *root == '\0') return;
    const QSize size = QGuiApplication::primaryScreen()->size();
    const QString dir = QStringLiteral("%1/%2x%3").arg(QString::fromLocal8Bit(root)).arg(size.width()).arg(size.height());
    ASSERT_TRUE(QDir().mkpath(dir)) << dir.toStdString();
    QFile f(dir + "/" + QString::fromStdString(name) + ".txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << f.fileName().toStdString();
    f.write(text.data(), static_cast<qint64>(text.size()));
}

// A control by what the program calls it, never by where it stands: the object names from the
// window down, an unnamed widget as its class and its place among its parent's widgets of that
// class.
inline std::string TreePath(const QWidget* w) {
    QString path;
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        QString part = w->objectName();
        if (part.isEmpty()) {
            int index = 0;
            if (const QWidget* p = w->parentWidget())
                for (const QObject* o : p->children()) {
                    if (o == w) break;
                    if (o->isWidgetType() && o->metaObject() == w->metaObject()) ++index;
                }
            part = QStringLiteral("%1#%2").arg(QString::fromLatin1(w->metaObject()->className())).arg(index);
        }
        path = path.isEmpty() ? part : part + "/" + path;
    }
    return path.toStdString();
}

}  // namespace rp::test
