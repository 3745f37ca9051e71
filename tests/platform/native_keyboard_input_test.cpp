#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/native/native_services.h"
#include "platform/virtual_keys.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform::native {
namespace {

using namespace std::chrono_literals;

const KeyboardFilter kDorvelFilter{{{0x1753, 0x0101}}, false};
const KeyboardFilter kAtFilter{{}, true};

// Runs `work` on a thread of its own; false when it has not finished in time, as a hang shows.
bool finishesWithin(std::chrono::milliseconds limit, std::function<void()> work) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([work = std::move(work), done] {
    work();
    done->set_value();
  }).detach();
  return finished.wait_for(limit) == std::future_status::ready;
}

// Records the events a hook sees.
struct Recorder {
  std::mutex mutex;
  std::vector<KeyEvent> events;

  KeyboardHookProc proc() {
    return [this](const KeyEvent& event) {
      std::lock_guard lock(mutex);
      events.push_back(event);
    };
  }
  std::size_t count() {
    std::lock_guard lock(mutex);
    return events.size();
  }
};

// The input directories a machine without such keyboards may have: one holding a file that is
// no input device, an empty one, and none at all.
class NativeKeyboardInputTest : public ::testing::TestWithParam<const char*> {
 protected:
  NativeKeyboardInputTest() {
    dir_.write("with-file/event0", "not an input device");
    std::filesystem::create_directories(dir_.path() / "empty");
    input_ = makeKeyboardInput(dir_.path() / GetParam());
  }

  fixtures::TempDir dir_;
  std::unique_ptr<KeyboardInput> input_;
};

INSTANTIATE_TEST_SUITE_P(Directories, NativeKeyboardInputTest,
                         ::testing::Values("with-file", "empty", "missing"));

TEST_P(NativeKeyboardInputTest, HooksComeAndGoWithoutHanging) {
  EXPECT_TRUE(finishesWithin(10s, [&] {
    for (int round = 0; round < 3; ++round) {
      auto usb = input_->installHook([](const KeyEvent&) {}, kDorvelFilter);
      auto at = input_->installHook([](const KeyEvent&) {}, kAtFilter);
      ASSERT_NE(usb, nullptr);
      ASSERT_NE(at, nullptr);
      (round % 2 ? usb : at).reset();
    }
  }));
}

TEST_P(NativeKeyboardInputTest, NoKeyboardMeansNoStateAndNoLocks) {
  auto hook = input_->installHook([](const KeyEvent&) {}, kAtFilter);
  for (std::uint8_t lock : {keys::kNumLock, keys::kCapsLock, keys::kScrollLock}) {
    EXPECT_EQ(input_->lockState(lock), std::nullopt);
    EXPECT_FALSE(input_->setLockState(lock, true));
  }
  EXPECT_FALSE(input_->isKeyDown(keys::kShift));
  input_->injectKey(keys::kCapsLock, 0x3A, 0);
  EXPECT_EQ(input_->lockState(keys::kCapsLock), std::nullopt);
}

TEST_P(NativeKeyboardInputTest, InjectedKeysReachEveryHookMarkedInjected) {
  Recorder usb;
  Recorder at;
  auto usbHook = input_->installHook(usb.proc(), kDorvelFilter);
  auto atHook = input_->installHook(at.proc(), kAtFilter);

  input_->injectKey('A', 0x1E, 0);
  input_->injectKey('A', 0x1E, kInjectKeyUp);
  input_->injectKey(keys::kLeftMenu, 0x38, 0);

  for (Recorder* recorder : {&usb, &at}) {
    ASSERT_EQ(recorder->count(), 3u);
    const KeyEvent& press = recorder->events[0];
    EXPECT_EQ(press.virtualKey, 'A');
    EXPECT_EQ(press.scanCode, 0x1E);
    EXPECT_TRUE(press.down);
    EXPECT_TRUE(press.injected);
    EXPECT_FALSE(press.systemKey);
    EXPECT_FALSE(recorder->events[1].down);
    EXPECT_TRUE(recorder->events[2].systemKey) << "an Alt press is typed with Alt held";
  }
  EXPECT_FALSE(input_->isKeyDown(keys::kMenu)) << "injected keys never reach the desktop";
}

TEST_P(NativeKeyboardInputTest, RemovedHookIsNotCalled) {
  Recorder kept;
  Recorder removed;
  auto keptHook = input_->installHook(kept.proc(), kAtFilter);
  input_->installHook(removed.proc(), kAtFilter).reset();
  input_->injectKey('B', 0x30, 0);
  EXPECT_EQ(kept.count(), 1u);
  EXPECT_EQ(removed.count(), 0u);
}

// A procedure may wait for a lock the remover holds (the device library removes its hook
// under its own lock): removal must not wait for it, and no call starts after it.
TEST_P(NativeKeyboardInputTest, RemovalDoesNotWaitForACallInFlight) {
  std::mutex libraryLock;
  std::atomic<int> calls = 0;
  std::atomic<bool> entered = false;
  auto hook = input_->installHook(
      [&](const KeyEvent&) {
        ++calls;
        entered = true;
        std::lock_guard lock(libraryLock);
      },
      kAtFilter);

  std::unique_lock held(libraryLock);
  std::jthread typing([&] { input_->injectKey('C', 0x2E, 0); });
  EXPECT_TRUE(finishesWithin(5s, [&] {
    while (!entered)
      std::this_thread::sleep_for(1ms);
  }));
  EXPECT_TRUE(finishesWithin(5s, [&] { hook.reset(); }));
  held.unlock();
  typing.join();
  input_->injectKey('C', 0x2E, 0);
  EXPECT_EQ(calls, 1);
}

TEST_P(NativeKeyboardInputTest, ProcedureMayUseTheServiceAndRemoveItsOwnHook) {
  std::unique_ptr<KeyboardHook> hook;
  int calls = 0;
  hook = input_->installHook(
      [&](const KeyEvent&) {
        ++calls;
        input_->isKeyDown(keys::kShift);
        input_->lockState(keys::kNumLock);
        hook.reset();
      },
      kDorvelFilter);
  EXPECT_TRUE(finishesWithin(10s, [&] {
    input_->injectKey('D', 0x20, 0);
    input_->injectKey('D', 0x20, 0);
  }));
  EXPECT_EQ(calls, 1);
}

TEST_P(NativeKeyboardInputTest, HookMayOutliveTheService) {
  Recorder recorder;
  auto hook = input_->installHook(recorder.proc(), kAtFilter);
  input_->injectKey('E', 0x12, 0);
  input_.reset();
  EXPECT_TRUE(finishesWithin(10s, [&] { hook.reset(); }));
  EXPECT_EQ(recorder.count(), 1u);
}

}  // namespace
}  // namespace velmar::platform::native
