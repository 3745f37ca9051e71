// Loads the programming library the way the editor does: by name, from its own folder.
// Exit status 0 when it and everything it links were found.
#include <cstdio>

#include "platform/platform.h"

int main() {
  auto library = velmar::platform::libraries().load("Varno", reinterpret_cast<const void*>(&main));
  if (!library) {
    std::fprintf(stderr, "Varno did not load\n");
    return 1;
  }
  return 0;
}
