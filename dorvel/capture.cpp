#include "dorvel/capture.h"

#include <mutex>

#include "dorvel/echo.h"
#include "dorvel/library_state.h"
#include "dorvel/usb_ids.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

namespace velmar::dorvel {
namespace {

namespace keys = platform::keys;

constexpr std::uint8_t kCardStart = '[';
constexpr std::uint8_t kCardTrackEnd = ']';
constexpr std::uint8_t kOperatorKey = '!';
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kBackspace = 0x08;

enum McrStates : std::int32_t { kIdle = 0, kCardTrack = 1, kCardRest = 2, kOperatorKeyNext = 3 };

std::uint8_t shiftedCharacter(std::uint8_t ch) {
  switch (ch) {
    case '1':
      return '!';
    case '2':
      return '@';
    case '3':
      return '#';
    case '4':
      return '$';
    case '5':
      return '%';
    case '6':
      return 0xA8;
    case '7':
      return '&';
    case '8':
      return '*';
    case '9':
      return '(';
    case '-':
      return '_';
    case '=':
      return '+';
    case '/':
      return '?';
    case '[':
      return '{';
    case ']':
      return '}';
    case ';':
      return ':';
    case '\\':
      return '|';
    case ',':
      return '<';
    case '.':
      return '>';
    default:
      return ch;
  }
}

bool isShiftKey(std::uint8_t virtualKey) {
  return virtualKey == keys::kShift || virtualKey == keys::kLeftShift ||
         virtualKey == keys::kRightShift;
}

// Keeps one byte free, so that a read longer than its buffer stays terminated.
template <std::size_t N>
void store(std::array<std::uint8_t, N>& buffer, std::uint8_t ch) {
  LibraryState& library = state();
  if (library.McrIndex < 0 || static_cast<std::size_t>(library.McrIndex) >= N - 1) return;
  buffer[library.McrIndex++] = ch;
}

template <std::size_t N>
void terminate(std::array<std::uint8_t, N>& buffer) {
  const std::int32_t index = state().McrIndex;
  buffer[index >= 0 && static_cast<std::size_t>(index) < N ? index : N - 1] = 0;
}

void echo(std::uint8_t ch, bool down) {
  const LibraryState& library = state();
  if (!library.EchoOn) return;
  const bool printable = ch >= 0x20 && ch <= 0x7E;
  if (library.EchoMask && printable) ch = '*';
  if (down && (ch == kBackspace || printable)) EchoPush(ch);
}

void lowLevelHook(const platform::KeyEvent& event) {
  if (event.systemKey || event.injected) return;
  std::lock_guard lock(state().LibraryLock);
  CaptureKey(event.virtualKey, event.scanCode, event.down);
}

// The classic hook learns the transition state of the key: set while it is being released.
void classicHook(const platform::KeyEvent& event) {
  std::lock_guard lock(state().LibraryLock);
  CaptureKey(event.virtualKey, event.scanCode, !event.down);
}

}  // namespace

void CaptureKey(std::uint8_t virtualKey, std::uint8_t, bool down) {
  LibraryState& library = state();
  platform::KeyboardInput& keyboard = platform::keyboard();
  const bool shiftEvent = isShiftKey(virtualKey);
  const bool caps = keyboard.lockState(keys::kCapsLock).value_or(false);

  if (keyboard.isKeyDown(keys::kLeftShift) || keyboard.isKeyDown(keys::kRightShift) ||
      keyboard.isKeyDown(keys::kShift)) {
    library.Shifted = 1;
  } else if (library.ShiftLatched) {
    library.ShiftLatched = 0;  // the first event after a Shift press stays shifted
  } else {
    library.Shifted = 0;
  }
  if (shiftEvent) {
    if (down) {
      library.ShiftLatched = 1;
      library.Shifted = 1;
    } else {
      library.Shifted = 0;
    }
  }
  const bool upper = library.Shifted ^ caps;
  std::uint8_t ch = keys::characterOf(virtualKey);
  if (library.Shifted) ch = shiftedCharacter(ch);
  if (!upper && ch >= 'A' && ch <= 'Z') ch = static_cast<std::uint8_t>(ch + 32);

  // '!' and '[' open a capture while its feature is on; otherwise they are ordinary characters.
  auto opensCapture = [&](std::uint8_t opener, bool enabled, auto& buffer, McrStates next) {
    if (ch != opener) return false;
    if (enabled) {
      if (down) {
        store(buffer, ch);
        library.McrState = next;
      }
    } else if (library.McrState == kIdle) {
      echo(ch, down);
    }
    return true;
  };
  if (opensCapture(kOperatorKey, library.OpKeyMode, library.OpKeyBuffer, kOperatorKeyNext) ||
      opensCapture(kCardStart, library.CardMode, library.McrBuffer, kCardTrack)) {
    return;
  }
  switch (library.McrState) {
    case kIdle:
      echo(ch, down);
      break;
    case kCardTrack:
      if (down) {
        store(library.McrBuffer, ch);
        if (ch == kCardTrackEnd) library.McrState = kCardRest;
      }
      break;
    case kCardRest:
      if (ch == kCarriageReturn) {
        terminate(library.McrBuffer);
        // Sent while the lock is held: a listener of this thread may fetch the read at once.
        platform::windowMessages().broadcast(library.McrMessage,
                                             static_cast<std::uintptr_t>(library.McrIndex), 0);
        library.McrIndex = 0;
        library.McrState = kIdle;
      } else if (down) {
        store(library.McrBuffer, ch);
      }
      break;
    case kOperatorKeyNext:
      if (down && !shiftEvent) {
        store(library.OpKeyBuffer, ch);
        library.OpKey = ch;
        terminate(library.OpKeyBuffer);
        library.McrIndex = 0;
        library.McrState = kIdle;
      }
      break;
    default:
      break;
  }
}

void InstallKeyboardHook(bool atKeyboard) {
  LibraryState& library = state();
  std::array<std::int32_t, kIdEntries> vendors{};
  std::array<std::int32_t, kIdEntries> products{};
  ReadUsbIds(vendors, products);
  platform::KeyboardFilter filter{.usbIds = {}, .atKeyboard = atKeyboard};
  for (std::size_t i = 0; i < kIdEntries; ++i) {
    if (vendors[i] && products[i]) {
      filter.usbIds.emplace_back(static_cast<std::uint16_t>(vendors[i]),
                                 static_cast<std::uint16_t>(products[i]));
    }
  }
  library.HookHandle.reset();
  library.HookHandle =
      platform::keyboard().installHook(library.PlatformNt ? platform::KeyboardHookProc(lowLevelHook)
                                                          : platform::KeyboardHookProc(classicHook),
                                       filter);
}

}  // namespace velmar::dorvel
