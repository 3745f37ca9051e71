#ifndef INPOUT32_H
#define INPOUT32_H

/*
 * inpout32: single-byte access to the PC's I/O ports, here the keyboard controller's data
 * port 0x60 and status port 0x64. Ports are reached through the platform layer: /dev/port on
 * Linux (it needs CAP_SYS_RAWIO), the virtual keyboard controller on the simulated platform.
 *
 * Loaded by name ("inpout32.dll", that is libinpout32.so) and bound by entry name.
 */

#include <stdint.h>

#if defined(INPOUT32_BUILD)
#define INPOUT32_API __attribute__((visibility("default")))
#else
#define INPOUT32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The byte at `port` (taken as unsigned) in the low 8 bits, the high 8 bits 0; 0xFF when the
   ports cannot be reached, as an unconnected port reads. */
INPOUT32_API int16_t Inp32(int16_t port);

/* Writes the low 8 bits of `value` to `port` (taken as unsigned). A port that cannot be
   reached takes nothing. */
INPOUT32_API void Out32(int16_t port, int16_t value);

#ifdef __cplusplus
}
#endif

#endif
