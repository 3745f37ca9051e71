#ifndef ILVAR_H
#define ILVAR_H

/*
 * Ilvar: the library of the Ilvar point-of-sale keyboards on USB.
 *
 * The keyboard is a HID device with vendor id 0x1753 and product id 0x0301 and a 64-byte
 * output report: byte 0 the report id 0, byte 1 the command, data from byte 2.
 *   0x00 presence check, no data (sent whenever the library opens the keyboard);
 *   0x01 begin programming, no data;
 *   0x02 one block: byte 2 the block number 0-15, bytes 3-34 the 32 image bytes of the block;
 *   0x03 end programming: bytes 2-3 the 16-bit sum of the 512 image bytes, high byte first.
 * The keyboard stores the 512-byte image it got since the begin only when the sum matches.
 * (The constants live in outside/ilvar/ilvar_protocol.h.)
 *
 * Every function may be called from any thread; calls are served one at a time.
 */

#include <stdint.h>

#if defined(ILVAR_BUILD)
#define ILVAR_API __attribute__((visibility("default")))
#else
#define ILVAR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the first Ilvar keyboard on the bus, closing one opened before. 1 when a keyboard was
   opened and took the presence check, else 0. */
ILVAR_API int32_t OpenIlvar(void);

/* Closes the keyboard opened by OpenIlvar or IsIlvarUsbOn, if any. */
ILVAR_API void CloseIlvar(void);

/* 1 when an Ilvar keyboard is connected, else 0. While none is open, each call looks for one
   on the bus and opens it. */
ILVAR_API uint8_t IsIlvarUsbOn(void);

/* Programs a layout image into the keyboard: `Layoutsize` bytes (1 to 512) from `image`, the
   rest up to 512 bytes zero; the keyboard is opened afresh first, so one replugged since the
   last call is found. 1 when every report was written, else 0 (a rejected size, a NULL image,
   no keyboard, a failed write: the keyboard then keeps its old layout). */
ILVAR_API int32_t IlvarProgKeyboard(uint32_t Layoutsize, const uint8_t* image);

#ifdef __cplusplus
}
#endif

#endif
