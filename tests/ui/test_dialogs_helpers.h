#pragma once
// Helpers of the dialog tests: the application object, finding controls by object name, and
// screenshots saved into screenshots/ below the test's working folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace fscope::test {

inline void EnsureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_dialogs";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

inline void SaveScreenshot(QWidget& window, const QString& name) {
    QDir().mkpath("screenshots");
    EXPECT_TRUE(window.grab().save("screenshots/" + name + ".png")) << name.toStdString();
}

}  // namespace fscope::test
