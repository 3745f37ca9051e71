#pragma once

#include <cstdint>
#include <optional>

namespace velmar::dorvel {

// The echo queue: the keyboard hook pushes typed characters, the echo worker pops them.
// It keeps their order and holds at most 1023; a character pushed into a full queue is dropped.
void EchoPush(std::uint8_t ch);
std::optional<std::uint8_t> EchoPop();
void EmptyEchoQueue();

// Shows one character on the keyboard's display.
void EchoToDisplay(std::uint8_t ch);

// The worker that drains the queue onto the display: started by the first OpenDorvel, ended
// when the library is unloaded. It sleeps while the queue is empty.
void StartEchoWorker();
void StopEchoWorker();

}  // namespace velmar::dorvel
