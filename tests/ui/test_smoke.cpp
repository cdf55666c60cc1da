#include <QMainWindow>
#include <gtest/gtest.h>

TEST(UiSmoke, WindowShowsOffscreen) {
    QMainWindow w;
    w.show();
    EXPECT_TRUE(w.isVisible());
}
