#ifndef VELMAR_MESSAGES_H
#define VELMAR_MESSAGES_H

/*
 * Window messages and message boxes for programs on Linux.
 *
 * The keyboard libraries announce events, such as a completed card read, by broadcasting a
 * registered window message. On Linux a program receives them by adding a listener here; the
 * listener runs in the thread that broadcasts, before the broadcast returns.
 */

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*VelmarMessageListener)(unsigned int message, unsigned long wparam, long lparam,
                                      void* context);

/* The id of a registered message name, such as "DORVEL - MCR Message"; the same id for every
   caller in the process. 0 on failure. */
unsigned int VelmarRegisterWindowMessage(const char* name);

/* Calls `listener` for every message broadcast from now on. Returns an id above 0 for
   VelmarRemoveMessageListener, or 0 when `listener` is NULL. */
int VelmarAddMessageListener(VelmarMessageListener listener, void* context);

/* Stops the listener; once this returns it is not called again. 1 removed, 0 unknown id. */
int VelmarRemoveMessageListener(int id);

/* Icons of a message box. */
enum {
  VELMAR_ICON_NONE = 0,
  VELMAR_ICON_ERROR = 1,
  VELMAR_ICON_WARNING = 2,
  VELMAR_ICON_INFORMATION = 3
};

typedef void (*VelmarMessageBoxHandler)(const char* text, const char* caption, int icon,
                                        void* context);

/* Shows the libraries' message boxes through `handler` (NULL: back to standard error). */
void VelmarSetMessageBoxHandler(VelmarMessageBoxHandler handler, void* context);

#ifdef __cplusplus
}
#endif

#endif
