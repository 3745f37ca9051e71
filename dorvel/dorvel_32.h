#ifndef DORVEL_32_H
#define DORVEL_32_H

/*
 * dorvel_32: the device library of the Dorvel point-of-sale keyboards.
 *
 * It finds the keyboard on USB (as a HID device, vendor 0x1753, product 0x0101, or a pair
 * configured in /etc/velmar/SOFTWARE/VELMAR/Dorvel USB/1.0.ini) or reaches it on the PC's AT
 * keyboard port, programs its EEPROM, drives its display, beeper and lock-key LEDs, and
 * captures card reads and operator keys.
 *
 * Link with `pkg-config --cflags --libs dorvel_32`. Every function may be called from any
 * thread; none raises an error to its caller: results say what happened.
 */

#include <stdint.h>

#if defined(DORVEL_32_BUILD)
#define DORVEL_API __attribute__((visibility("default")))
#else
#define DORVEL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the connection: registers the card-reader message, looks for the keyboard on USB and
   otherwise opens the AT transport. Takes 0.5 s, or 1 s when USB is not found at once.
   Always returns 0; whether USB was found shows in IsDorvelUsbOn. */
DORVEL_API int32_t OpenDorvel(void);

/* Closes the connection. Returns the milliseconds of its final 300 ms wait. */
DORVEL_API uint32_t CloseDorvel(void);

/* 1 when a Dorvel keyboard is connected on USB, else 0. While it is not, each call looks for
   it on the bus again. */
DORVEL_API uint8_t IsDorvelUsbOn(void);

/* Programs a layout image into the USB keyboard's EEPROM: `Layoutsize` bytes (2 to 511) from
   `image`, the rest up to 512 bytes zero. Takes about 0.62 s. Returns 1 when the keyboard took
   the image and is still connected, else 0 (a rejected size, a NULL image, no USB keyboard). */
DORVEL_API uint8_t DorvelProgKeyboard(uint32_t Layoutsize, const uint8_t* image);

/* Each command below goes to the keyboard as one USB report when it is on USB, otherwise as a
   few bytes through the AT port. "USB only" commands return 0 at once without USB. A result of
   1/0 says whether the keyboard got the command (1) or not (0); out-of-range arguments give 0
   and send nothing. Switches are on for any non-zero argument. */

/* Sends one byte: on USB it is shown on the display (1 sent, 0 not); on the AT port it goes to
   the keyboard as it is and the result is the keyboard's answer (0xFA acknowledged, 0xFE resend
   requested; the byte is then sent once more), or 0 without an open AT driver (-1 when opening
   the driver failed). */
DORVEL_API int32_t TxKbd(int32_t byte);

/* ---- Display ---- */

/* Shows a text at the cursor, in upper case after SetCapsL(1); on USB at most 47 characters.
   1 when the text went out over USB, else 0 (also on the AT port, where it always goes out). */
DORVEL_API int32_t DispStr(const char* text);
/* Shows one character (in upper case after SetCapsL(1) on the AT port). */
DORVEL_API void DispCh(int32_t ch);
/* Moves the cursor to column x, row y, both counted from 1. */
DORVEL_API void GoToXY(int32_t x, int32_t y);
/* Moves the cursor one place back and blanks that place. */
DORVEL_API void BackSpace(void);
DORVEL_API void LineFeed(void);
DORVEL_API void CarRet(void);
/* Blanks the display and puts the cursor at the start. */
DORVEL_API void FormFeed(void);
/* USB only: blanks line 1 or 2. */
DORVEL_API int32_t LcdClearLine(int32_t line);
/* USB only: brightness 0-15. */
DORVEL_API int32_t LcdSetBright(int32_t level);
/* USB only: switches the brightness mode. */
DORVEL_API int32_t LcdBrightMode(void);
/* USB only: one instruction byte for the display controller. */
DORVEL_API int32_t LCDInstruction(int32_t instruction);
/* Cursor: 0 hidden, 1 hidden and blinking, 2 shown, 3 shown and blinking; other modes do
   nothing. */
DORVEL_API void ModoCursor(int32_t mode);
/* Defines user character 0-7 from 8 rows of 5 dots (low bits). The rows are 8 bytes on USB and
   8 int32_t values on the AT port. 1 when written over USB, else 0. */
DORVEL_API int32_t ProgSpecialChar(int32_t number, const void* pattern);
/* Enables the display (on the AT port: holds the keyboard in display-data mode). */
DORVEL_API void HabilitaLCD(int32_t on);
/* Display mode on or off (on the AT port: display-data mode, as HabilitaLCD). */
DORVEL_API void SetDisp(int32_t on);

/* ---- Beeper, keyboard, setup ---- */

DORVEL_API void BeepOn(int32_t on);
/* Key-click beep. */
DORVEL_API void BeepKeyOn(int32_t on);
/* USB only. */
DORVEL_API int32_t KeyboardOnOff(int32_t on);
/* USB only: key auto-repeat. */
DORVEL_API int32_t AutoRepeatOnOff(int32_t on);
/* USB only: shows the firmware checksum on the display. */
DORVEL_API int32_t ShowFirmCheckSum(int32_t on);
/* USB only: ten setup switches, each 0 (off), 1 (on) or anything else (leave it). */
DORVEL_API int32_t DorvelSetup(int32_t v1, int32_t v2, int32_t v3, int32_t v4, int32_t v5,
                               int32_t v6, int32_t v7, int32_t v8, int32_t v9, int32_t v10);
/* USB only: stores the brightness 0-15 in the setup. */
DORVEL_API int32_t DorvelSetupBright(int32_t level);
/* USB only: stores the keyboard type 0-255 in the setup. */
DORVEL_API int32_t DorvelSetupType(int32_t type);
/* USB only: stores the text (at most 40 characters) the keyboard shows when it starts.
   1 stored, 0 not. */
DORVEL_API uint8_t SetupInitStr(const char* text);
/* Restarts the keyboard; takes 7 s on USB, 2 s on the AT port. On Windows 9x systems the
   first call after OpenDorvel does nothing. */
DORVEL_API void Reset(void);
/* USB only: writes a report built by the caller: `count` bytes (1-64, byte 0 the report id),
   padded with zeros. 1 written and the keyboard still connected, else 0. */
DORVEL_API uint8_t RawSendReport(int32_t count, const uint8_t* bytes);

/* ---- Lock-key indicators (they follow the PC's lock keys, which these set) ---- */

/* Scroll Lock. */
DORVEL_API void SetPIN(int32_t on);
DORVEL_API void SetNumL(int32_t on);
/* Caps Lock; also makes DispStr and DispCh send upper case. */
DORVEL_API void SetCapsL(int32_t on);

/* ---- Card reader and operator key ---- */

/* Card-reader framing: a card then arrives as '[', track data, ']', more data and Enter, and
   is announced with the message "DORVEL - MCR Message" (wParam: number of bytes). */
DORVEL_API void SetCard(int32_t on);
/* USB only: card track 1-3 on or off. */
DORVEL_API int32_t CardTrackOnOff(int32_t on, int32_t track);
/* Copies the last card read (NUL-terminated, at most 400 bytes) and empties it. */
DORVEL_API void GetMCRBuf(uint8_t* buffer);
/* The id of the message "DORVEL - MCR Message"; on Linux receive it with
   VelmarAddMessageListener (velmar/velmar_messages.h). */
DORVEL_API void GetMCRMsg(uint32_t* message);
/* Operator key: '!' and one character. */
DORVEL_API void SetOpKey(int32_t on);
/* The character of the last operator key. */
DORVEL_API void ReadOpKey(uint8_t* key);
/* Shows typed characters on the display, as '*' with `mask`. */
DORVEL_API void SetEcho(int32_t on, int32_t mask);

#ifdef __cplusplus
}
#endif

#endif
