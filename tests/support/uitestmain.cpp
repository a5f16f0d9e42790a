#include <gtest/gtest.h>

#include <QApplication>

#include "app/conventions.h"

// Window tests run on Qt's offscreen platform unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    vt::applyProcessFormats();
    vt::loadItalianTranslations(app);
    return RUN_ALL_TESTS();
}
