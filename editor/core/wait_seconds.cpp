#include "core/wait_seconds.h"

#include <QEventLoop>
#include <QTimer>
#include <ctime>

#include "core/seconds_wait.h"
#include "platform/platform.h"

namespace lavrix {
namespace {

// The time of day has whole seconds; looking ten times a second ends the wait on time.
constexpr int kCheckMilliseconds = 100;

std::int32_t SecondOfDay() {
  const std::tm now = velmar::platform::clock().localTime();
  return now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec;
}

}  // namespace

void WaitSeconds(EditorState& state, std::int32_t seconds) {
  SecondsWait wait(state, seconds, SecondOfDay());
  if (wait.IsOver(SecondOfDay())) return;
  QEventLoop loop;
  QTimer check;
  check.setInterval(kCheckMilliseconds);
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (wait.IsOver(SecondOfDay())) loop.quit();
  });
  check.start();
  // Also returns when the application quits meanwhile.
  loop.exec();
}

}  // namespace lavrix
