#include "platform/platform.h"
#include "platform/velmar_messages.h"

using namespace velmar::platform;

// No exception may leave these: callers are C programs.
extern "C" {

VELMAR_PLATFORM_API unsigned int VelmarRegisterWindowMessage(const char* name) {
  if (!name) return 0;
  try {
    return windowMessages().registerMessage(name);
  } catch (...) {
    return 0;
  }
}

VELMAR_PLATFORM_API int VelmarAddMessageListener(VelmarMessageListener listener, void* context) {
  if (!listener) return 0;
  try {
    return windowMessages().addListener(
        [listener, context](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
          listener(message, static_cast<unsigned long>(wParam), static_cast<long>(lParam), context);
        });
  } catch (...) {
    return 0;
  }
}

VELMAR_PLATFORM_API int VelmarRemoveMessageListener(int id) {
  try {
    return windowMessages().removeListener(id) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

VELMAR_PLATFORM_API void VelmarSetMessageBoxHandler(VelmarMessageBoxHandler handler,
                                                    void* context) {
  try {
    messageBoxes().setHandler(handler, context);
  } catch (...) {
  }
}

}  // extern "C"
