#ifndef VARNO_H
#define VARNO_H

/*
 * Varno: the programming library through which the editor writes a layout into a keyboard.
 * The editor binds these entries by name; this header serves the library and its tests.
 *
 * Every call of the block-writing entries chooses its way to the keyboard anew: a Dorvel USB
 * keyboard, else an Ilvar USB keyboard, else the AT keyboard behind the PC's keyboard
 * controller. On USB the blocks are collected into a 512-byte image that TerminaGravacao
 * programs; on the AT port each block goes out at once. The AT port is used only between an
 * OpenVarno that found inpout32 whole and the next CloseVarno; otherwise it sends nothing.
 */

#include <stdint.h>

#if defined(VARNO_BUILD)
#define VARNO_API __attribute__((visibility("default")))
#else
#define VARNO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Installs the message hook, loads inpout32, clears image bytes 0-199 and opens both device
   libraries. 0 when inpout32 and both its entries were found, else 1 (after a message box for
   each thing missing). */
VARNO_API int32_t OpenVarno(void);

/* Removes the hook, frees inpout32 and closes both device libraries. Always 0. */
VARNO_API int32_t CloseVarno(void);

/* One block of four codes (low bytes) at EEPROM address ((page & 0xFF) << 8) | address.
   AT: 0xE2, page, address, the codes and 0xE3 go out, each followed by one read; the result is
   the byte read after 0xE3, or 0 when nothing could be sent. USB: stored in the image (the
   block at address 0 first clears bytes 0-199; bytes beyond 511 are dropped); result 0. */
VARNO_API int32_t GravaBloco512(int32_t page, int32_t address, int32_t code1, int32_t code2,
                                int32_t code3, int32_t code4);

/* The same with a one-byte address: 0xE2, address, the codes and 0xE3 on the AT port. */
VARNO_API int32_t GravaBloco256(int32_t address, int32_t code1, int32_t code2, int32_t code3,
                                int32_t code4);

/* Ends a write. USB: programs the image (511 bytes) into the keyboard; result 0. AT: sends
   0xE4 and returns the byte read after it, or 0 when it could not be sent. */
VARNO_API int32_t TerminaGravacao(void);

/* 1 when the last TerminaGravacao reached a keyboard (the USB programming succeeded, or the
   AT keyboard answered 0xE4), else 0. */
VARNO_API int32_t ResultadoGravacao(void);

/* Sends the low byte of `value` to the keyboard controller's data port once its input buffer
   is empty, then waits up to 5 ms for an answer. Sends nothing when the controller stays busy
   for 20 ms or the AT port is not usable. */
VARNO_API void TxKbd(int32_t value);

/* Waits up to 8 ms for the controller's output buffer, then reads the data port: 0-255.
   0 when the AT port is not usable. */
VARNO_API int32_t RxKbd(void);

#ifdef __cplusplus
}
#endif

#endif
