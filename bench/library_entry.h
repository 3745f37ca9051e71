#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace velmar::bench {

// An entry looked up in one library of the deliverables folder (found through the program's
// RUNPATH): Varno and dorvel_32 both export TxKbd, and a plain call could reach either.
template <typename Function>
Function* libraryEntry(const char* library, const char* name) {
  void* handle = dlopen(library, RTLD_NOW);
  void* entry = handle ? dlsym(handle, name) : nullptr;
  if (!entry) {
    std::fprintf(stderr, "%s: no %s\n", library, name);
    std::exit(1);
  }
  return reinterpret_cast<Function*>(entry);
}

}  // namespace velmar::bench
