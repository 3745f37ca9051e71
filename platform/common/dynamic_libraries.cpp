#include "platform/common/dynamic_libraries.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace velmar::platform {
namespace {

bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() &&
         std::equal(tail.rbegin(), tail.rend(), text.rbegin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

// The directory of the module (executable or shared library) holding the address.
std::filesystem::path moduleDirectory(const void* address) {
  Dl_info info{};
  link_map* map = nullptr;
  if (dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) return {};
  std::error_code error;
  // The main program has no name of its own in the link map.
  const std::filesystem::path file = (map && map->l_name && *map->l_name)
                                         ? std::filesystem::path(map->l_name)
                                         : std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return std::filesystem::weakly_canonical(file, error).parent_path();
}

class LoadedLibrary final : public DynamicLibrary {
 public:
  LoadedLibrary(void* handle, std::set<std::string, std::less<>> hiddenEntries)
      : handle_(handle), hiddenEntries_(std::move(hiddenEntries)) {}
  ~LoadedLibrary() override { dlclose(handle_); }

  void* entry(std::string_view name) override {
    if (hiddenEntries_.contains(name)) return nullptr;
    return dlsym(handle_, std::string(name).c_str());
  }

 private:
  void* handle_;
  std::set<std::string, std::less<>> hiddenEntries_;
};

}  // namespace

std::string libraryFileName(std::string_view name) {
  if (endsWith(name, ".so")) return std::string(name);
  if (endsWith(name, ".dll")) name.remove_suffix(4);
  std::string file = "lib";
  for (char c : name)
    file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return file + ".so";
}

std::unique_ptr<DynamicLibrary> ModuleLibraries::load(std::string_view name,
                                                      const void* besideAddress) {
  const std::string file = libraryFileName(name);
  std::set<std::string, std::less<>> hiddenEntries;
  {
    std::lock_guard lock(mutex_);
    if (hiddenLibraries_.contains(file)) return nullptr;
    if (auto it = hidden_.find(file); it != hidden_.end()) hiddenEntries = it->second;
  }
  const std::filesystem::path directory = moduleDirectory(besideAddress);
  if (directory.empty()) return nullptr;
  void* handle = dlopen((directory / file).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  return std::make_unique<LoadedLibrary>(handle, std::move(hiddenEntries));
}

void ModuleLibraries::hide(std::string_view library, std::string_view entry) {
  std::lock_guard lock(mutex_);
  const std::string file = libraryFileName(library);
  if (entry.empty()) {
    hiddenLibraries_.insert(file);
  } else {
    hidden_[file].emplace(entry);
  }
}

}  // namespace velmar::platform
