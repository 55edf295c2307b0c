// Screen tests run on Qt's offscreen platform with one application object.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/app_style.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The screens are tested in the look the game gives them.
    cw::ui::applyAppStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
