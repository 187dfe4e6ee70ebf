// The main of a window test: the game's own application object (so that an
// error escaping a handler is shown as in the game), offscreen.
#pragma once

#include "ui/TavoApplication.h"

#include <QtTest>

#define TAVO_UI_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        tavo::ui::TavoApplication app(argc, argv);                                                 \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
