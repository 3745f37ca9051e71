#include <QTest>
#include <QTimer>

#include "core/wait_seconds.h"
#include "platform/platform.h"
#include "platform/velmar_sim.h"
#include "tests/support/sim_qtest_main.h"

namespace lavrix::testing {

class WaitSecondsTest : public QObject {
  Q_OBJECT

 private slots:
  void crossesMidnightWithTheWindowAlive() {
    EditorState state;
    QVERIFY(VelmarSimSetTimeOfDay(23, 59, 59));
    bool handlerRan = false;
    QTimer::singleShot(100, [&] {
      handlerRan = true;
      QVERIFY(state.WaitStart.has_value());
    });
    WaitSeconds(state, 2);
    // Over once the clock shows 00:00:01, not at midnight and not never.
    const std::tm now = velmar::platform::clock().localTime();
    QCOMPARE(now.tm_hour, 0);
    QCOMPARE(now.tm_min, 0);
    QVERIFY(now.tm_sec >= 1);
    QVERIFY(handlerRan);
    QVERIFY(!state.WaitStart.has_value());
  }

  void zeroSecondsReturnsWithoutDispatching() {
    EditorState state;
    bool handlerRan = false;
    QTimer::singleShot(0, [&] { handlerRan = true; });
    WaitSeconds(state, 0);
    QVERIFY(!handlerRan);
    QVERIFY(!state.WaitStart.has_value());
    QTRY_VERIFY(handlerRan);
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::WaitSecondsTest)
#include "wait_seconds_test.moc"
