#include <fstream>
#include <iterator>
#include <map>

#include "platform/native/ini_file.h"
#include "platform/native/native_services.h"

namespace velmar::platform::native {
namespace {

class IniKey final : public ConfigKey {
 public:
  explicit IniKey(std::map<std::string, std::string> values) : values_(std::move(values)) {}

  std::optional<std::string> readText(std::string_view name) override {
    auto it = values_.find(iniName(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }

 private:
  const std::map<std::string, std::string> values_;
};

// The INI file of a key path, or nullopt when a component would leave the root or name
// nothing: "", ".", "..", or one holding a slash or NUL.
std::optional<std::filesystem::path> keyFile(const std::filesystem::path& root,
                                             std::string_view keyPath) {
  if (keyPath.starts_with('\\')) keyPath.remove_prefix(1);
  std::filesystem::path file = root;
  for (;;) {
    const std::size_t end = keyPath.find('\\');
    const std::string_view component = keyPath.substr(0, end);
    if (component.empty() || component == "." || component == ".." ||
        component.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
      return std::nullopt;
    }
    if (end == std::string_view::npos) return file / (std::string(component) + ".ini");
    file /= component;
    keyPath.remove_prefix(end + 1);
  }
}

class IniConfigStore final : public ConfigStore {
 public:
  explicit IniConfigStore(std::filesystem::path root) : root_(std::move(root)) {}

  std::unique_ptr<ConfigKey> openLocalMachineKey(std::string_view path) override {
    const std::optional<std::filesystem::path> file = keyFile(root_, path);
    std::error_code error;
    if (!file || !std::filesystem::is_regular_file(*file, error)) return nullptr;
    std::ifstream in(*file, std::ios::binary);
    if (!in) return nullptr;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return nullptr;
    return std::make_unique<IniKey>(parseIni(text));
  }

 private:
  const std::filesystem::path root_;
};

}  // namespace

std::unique_ptr<ConfigStore> makeConfigStore(const std::filesystem::path& root) {
  return std::make_unique<IniConfigStore>(root);
}

}  // namespace velmar::platform::native
