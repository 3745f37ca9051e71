#include "core/lazy_library.h"

#include <utility>

#include "platform/platform.h"

namespace lavrix {

LazyLibrary::LazyLibrary(std::string name, const void* besideAddress)
    : name_(std::move(name)), besideAddress_(besideAddress) {}

bool LazyLibrary::Load() {
  if (!loadTried_) {
    loadTried_ = true;
    library_ = velmar::platform::libraries().load(name_, besideAddress_);
  }
  return library_ != nullptr;
}

void* LazyLibrary::Entry(std::string_view entryName) {
  if (!Load()) return nullptr;
  auto entry = entries_.find(entryName);
  if (entry == entries_.end()) {
    entry = entries_.emplace(std::string(entryName), library_->entry(entryName)).first;
  }
  return entry->second;
}

}  // namespace lavrix
