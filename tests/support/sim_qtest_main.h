#pragma once

#include <QApplication>
#include <QTest>

#include "tests/support/simulated_process.h"

// QTEST_MAIN for window tests, on the simulated platform however they are started.
#define VELMAR_QTEST_MAIN(TestObject)                      \
  int main(int argc, char** argv) {                        \
    velmar::testing::runOnSimulatedPlatform(argv, "none"); \
    QApplication app(argc, argv);                          \
    app.setAttribute(Qt::AA_Use96Dpi, true);               \
    TestObject test;                                       \
    QTEST_SET_MAIN_SOURCE_PATH                             \
    return QTest::qExec(&test, argc, argv);                \
  }
