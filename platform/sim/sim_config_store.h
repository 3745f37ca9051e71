#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/config_store.h"

namespace velmar::platform::sim {

// Keys and value names compare without regard to case, as in the registry they stand for.
class SimConfigStore final : public ConfigStore {
 public:
  std::unique_ptr<ConfigKey> openLocalMachineKey(std::string_view path) override;
  // Creates the key; an absent value removes the name.
  void set(std::string_view key, std::string_view name, const std::optional<std::string>& value);
  std::optional<std::string> read(const std::string& key, std::string_view name);

 private:
  static std::string normalised(std::string_view text);

  std::mutex mutex_;
  std::map<std::string, std::map<std::string, std::string>> keys_;
};

}  // namespace velmar::platform::sim
