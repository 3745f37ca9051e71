#include <array>
#include <span>

#include "varno/device_libraries.h"
#include "varno/export_guard.h"
#include "varno/keyboard_port.h"
#include "varno/program_image.h"
#include "varno/varno.h"

using namespace velmar::varno;

namespace {

constexpr std::uint8_t kBlockBegin = 0xE2;
constexpr std::uint8_t kBlockEnd = 0xE3;
constexpr std::uint8_t kWriteEnd = 0xE4;

// Only the low byte of a page, an AT address or a code reaches the keyboard.
std::uint8_t low(std::int32_t value) {
  return static_cast<std::uint8_t>(value);
}

BlockCodes lowBytes(std::int32_t code1, std::int32_t code2, std::int32_t code3,
                    std::int32_t code4) {
  return {low(code1), low(code2), low(code3), low(code4)};
}

// The AT exchange of a block: each byte followed by one read, the last read kept. A byte the
// controller would not take ends the block, since the rest would land shifted in the EEPROM.
std::int32_t sendAtBlock(std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(state().VarnoLock);
  KbdAnswer answer;
  for (std::uint8_t byte : bytes) {
    if (!SendKbdByte(byte)) return 0;
    answer = ReceiveKbdByte();
  }
  return answer.byte;
}

template <std::size_t N>
std::int32_t writeBlock(std::uint32_t offset, const BlockCodes& codes,
                        const std::array<std::uint8_t, N>& atBytes) {
  if (ChooseTransport() == Transport::At) return sendAtBlock(atBytes);
  StoreBlock(offset, codes);
  return 0;
}

// The AT end of a write, and whether the keyboard answered it.
KbdAnswer endAtWrite() {
  std::lock_guard lock(state().VarnoLock);
  if (!SendKbdByte(kWriteEnd)) return {};
  return ReceiveKbdByte();
}

void recordWriteResult(bool reached) {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  varno.LastWriteReached = reached ? 1 : 0;
}

}  // namespace

extern "C" {

VARNO_API int32_t GravaBloco512(int32_t page, int32_t address, int32_t code1, int32_t code2,
                                int32_t code3, int32_t code4) {
  return guarded(0, [&] {
    const BlockCodes codes = lowBytes(code1, code2, code3, code4);
    const std::uint32_t offset =
        (static_cast<std::uint32_t>(page) & 0xFF) << 8 | static_cast<std::uint32_t>(address);
    const std::array<std::uint8_t, 8> atBytes{kBlockBegin, low(page), low(address), codes[0],
                                              codes[1],    codes[2],  codes[3],     kBlockEnd};
    return writeBlock(offset, codes, atBytes);
  });
}

VARNO_API int32_t GravaBloco256(int32_t address, int32_t code1, int32_t code2, int32_t code3,
                                int32_t code4) {
  return guarded(0, [&] {
    const BlockCodes codes = lowBytes(code1, code2, code3, code4);
    const std::array<std::uint8_t, 7> atBytes{kBlockBegin, low(address), codes[0], codes[1],
                                              codes[2],    codes[3],     kBlockEnd};
    return writeBlock(static_cast<std::uint32_t>(address), codes, atBytes);
  });
}

VARNO_API int32_t TerminaGravacao(void) {
  return guarded(0, [] {
    const Transport transport = ChooseTransport();
    if (transport != Transport::At) {
      recordWriteResult(ProgramUsbKeyboard(transport, ImageSnapshot()));
      return 0;
    }
    const KbdAnswer answer = endAtWrite();
    recordWriteResult(answer.answered);
    return static_cast<std::int32_t>(answer.byte);
  });
}

VARNO_API int32_t ResultadoGravacao(void) {
  return guarded(0, [] {
    VarnoState& varno = state();
    std::lock_guard lock(varno.VarnoLock);
    return varno.LastWriteReached;
  });
}

}  // extern "C"
