#include "platform/sim/sim_config_store.h"

#include <cctype>

namespace velmar::platform::sim {
namespace {

class SimConfigKey final : public ConfigKey {
 public:
  SimConfigKey(SimConfigStore& store, std::string key) : store_(store), key_(std::move(key)) {}
  std::optional<std::string> readText(std::string_view name) override {
    return store_.read(key_, name);
  }

 private:
  SimConfigStore& store_;
  const std::string key_;
};

}  // namespace

std::unique_ptr<ConfigKey> SimConfigStore::openLocalMachineKey(std::string_view path) {
  std::string key = normalised(path);
  std::lock_guard lock(mutex_);
  if (!keys_.contains(key)) return nullptr;
  return std::make_unique<SimConfigKey>(*this, std::move(key));
}

void SimConfigStore::set(std::string_view key, std::string_view name,
                         const std::optional<std::string>& value) {
  std::lock_guard lock(mutex_);
  auto& values = keys_[normalised(key)];
  if (value) {
    values[normalised(name)] = *value;
  } else {
    values.erase(normalised(name));
  }
}

std::optional<std::string> SimConfigStore::read(const std::string& key, std::string_view name) {
  std::lock_guard lock(mutex_);
  auto keyIt = keys_.find(key);
  if (keyIt == keys_.end()) return std::nullopt;
  auto valueIt = keyIt->second.find(normalised(name));
  if (valueIt == keyIt->second.end()) return std::nullopt;
  return valueIt->second;
}

std::string SimConfigStore::normalised(std::string_view text) {
  while (!text.empty() && text.front() == '\\')
    text.remove_prefix(1);
  std::string lower;
  for (char c : text)
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace velmar::platform::sim
