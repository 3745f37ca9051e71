#ifndef VELMAR_SIM_H
#define VELMAR_SIM_H

/*
 * Control of the simulated platform and its virtual keyboards.
 *
 * The simulated platform is chosen for a whole process with VELMAR_PLATFORM=sim. At start it
 * attaches the keyboards named in VELMAR_SIM_DEVICES (comma-separated; default "usb-dorvel";
 * "none" for no keyboard) and, when VELMAR_SIM_DIR names a directory, keeps there what a
 * person would look at:
 *   eeprom-<device>.bin  the keyboard's 512-byte EEPROM, read back when it is attached again;
 *   display.txt          the two lines of the display that changed last;
 *   state-<device>.txt   the keyboard's settings, one "name=value" a line;
 *   traffic.log          one line per USB report or AT byte a keyboard received;
 *   messages.log         one line per message box: caption, then text;
 *   plug.txt             written by other processes: "attach <device>" or "detach <device>" a
 *                        line, so keyboards are plugged into a running program from outside.
 * Each complete line of plug.txt is carried out once, in order, when the HID bus is next listed
 * (that is when a program looks for keyboards), AT ones too; a line without its '\n' yet waits
 * for it, and an unknown command or device is skipped. Lines already there when the process
 * starts are carried out as well: they stand for plugging done before the program ran. A file
 * written anew, shorter than what was read, is read again from its start.
 *
 * Device names: "usb-dorvel" (vendor 0x1753, product 0x0101), "usb-ilvar" (vendor 0x1753,
 * product 0x0301) and "at-dorvel" (behind the keyboard controller at ports 0x60/0x64). A USB
 * name may carry other ids, "usb-dorvel:abcd:0001" (vendor, product in hex), to stand for a
 * keyboard of the family with configured ids. In files ':' becomes '-'.
 *
 * Every function returns 0, and does nothing, when the process is not on the simulated
 * platform or an argument is invalid (an unknown device, a NULL pointer).
 */

#ifdef __cplusplus
extern "C" {
#endif

/* Plugs a keyboard in. 1 attached; 0 unknown name or already attached (one AT keyboard at
   most). */
int VelmarSimAttach(const char* device);

/* Unplugs a keyboard: it leaves the bus, and handles opened to it fail from now on. */
int VelmarSimDetach(const char* device);

/* Copies the keyboard's 512-byte EEPROM into out512. 1 done. */
int VelmarSimEeprom(const char* device, unsigned char* out512);

/* What the keyboard received: USB reports whole, one after another, or the AT bytes written
   through the controller. Copies at most `max` bytes into `out` and returns the number of
   bytes held (so a NULL `out` asks for the size). */
int VelmarSimTraffic(const char* device, unsigned char* out, int max);
int VelmarSimClearTraffic(const char* device);

/* Makes the next `count` report writes to a USB keyboard fail. */
int VelmarSimFailWrites(const char* device, int count);

/* Makes the next `count` listings of the HID bus fault, as a failing system call would. */
int VelmarSimFailEnumeration(int count);

/* The keyboard's settings as "name=value" lines, NUL-terminated, cut to `size`. Returns the
   length of the whole text. */
int VelmarSimDeviceState(const char* device, char* out, int size);

/* Types text as a card reader in the keyboard does: key events through every installed
   keyboard hook, Shift pressed and released around shifted characters, '\r' or '\n' as Enter.
   Returns the number of characters typed; a character no key types ends the typing. */
int VelmarSimType(const char* text);

/* The display that changed last (or the first keyboard's): its two lines, each followed by
   '\n', NUL-terminated, cut to `size`. Returns the length of the whole text. */
int VelmarSimDisplay(char* out, int size);

/* Message boxes shown so far, oldest first, one "caption: text\n" line each, NUL-terminated,
   cut to `size`. Returns the length of the whole text. */
int VelmarSimMessages(char* out, int size);

/* Key events injected by the libraries, one "vk scan flags" line each in hex, oldest first,
   NUL-terminated, cut to `size`. Returns the length of the whole text. */
int VelmarSimInjectedKeys(char* out, int size);

/* Lock-key states: bit 0 Num Lock, bit 1 Caps Lock, bit 2 Scroll Lock. */
int VelmarSimLockKeys(void);
int VelmarSimSetLockKeys(int mask);

/* Number of installed keyboard hooks and message-retrieval hooks. */
int VelmarSimKeyboardHooks(void);
int VelmarSimMessageHooks(void);
/* Runs the installed message-retrieval hooks once, as a retrieved message would. */
int VelmarSimRetrieveMessage(void);

/* A text value in the simulated configuration store, such as "Vend" under
   "\SOFTWARE\VELMAR\Dorvel USB\1.0"; a NULL value removes it. Creates the key. */
int VelmarSimSetConfig(const char* key, const char* name, const char* value);

/* The AT keyboard: 1 stops it answering (it takes nothing either), 0 makes it answer again. */
int VelmarSimAtSilent(int on);
/* The AT keyboard answers the next `count` bytes with a resend request (0xFE) and drops them. */
int VelmarSimAtResend(int count);
/* The controller keeps its input buffer full for the next `reads` status reads (-1: for
   ever). */
int VelmarSimAtBusy(int reads);

/* The operating system the libraries see: "nt" (default), "9x", "other", or "fail" (the
   version cannot be queried). */
int VelmarSimSetPlatform(const char* platform);

/* The port driver service: "installed" (default: stopped, starts on request), "absent" (not
   installed until created), "denied" (full access to the service manager is refused), or
   "startfails". */
int VelmarSimSetService(const char* state);
/* 1 while the port driver service runs. */
int VelmarSimServiceRunning(void);

/* Makes the clock's time of day the given one from now on; it runs on from there. */
int VelmarSimSetTimeOfDay(int hour, int minute, int second);

/* Makes a library (by name, "inpout32.dll" or "inpout32") fail to load, or one of its entries
   missing (entry not NULL). */
int VelmarSimHideLibrary(const char* library, const char* entry);

/* Makes the creation of the named mutex fail. */
int VelmarSimFailMutex(const char* name);

#ifdef __cplusplus
}
#endif

#endif
