#include "platform/sim/sim_devices.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace velmar::platform::sim {
namespace {

using velmar::sim::AtDorvelKeyboard;
using velmar::sim::DeviceKind;
using velmar::sim::UsbDorvelKeyboard;
using velmar::sim::UsbIlvarKeyboard;

constexpr std::string_view kPathPrefix = "sim:";
// A restarting keyboard is off the bus about as long as a real one takes to enumerate again.
constexpr std::chrono::milliseconds kRestartAbsence{1000};
// Traffic kept per keyboard; the oldest half goes when a long run fills it.
constexpr std::size_t kTrafficLimit = 4 * 1024 * 1024;

}  // namespace

class SimHidDevice final : public HidDevice {
 public:
  SimHidDevice(SimDevices& devices, std::string name, std::uint64_t generation,
               HidAttributes attributes)
      : devices_(devices),
        name_(std::move(name)),
        generation_(generation),
        attributes_(attributes) {}

  HidAttributes attributes() const override { return attributes_; }
  std::size_t outputReportLength() const override { return UsbDorvelKeyboard::kReportLength; }
  bool write(std::span<const std::uint8_t> report) override {
    return devices_.writeReport(name_, generation_, report);
  }

 private:
  SimDevices& devices_;
  const std::string name_;
  const std::uint64_t generation_;
  const HidAttributes attributes_;
};

SimDevices::SimDevices(SimFiles& files) : files_(files) {
  controller_.connect([this](std::uint8_t byte, std::vector<std::uint8_t>& answers) {
    keyboardPort(byte, answers);
  });
}

bool SimDevices::attach(std::string_view name) {
  std::optional<velmar::sim::DeviceName> parsed = velmar::sim::parseDeviceName(name);
  if (!parsed) return false;
  std::lock_guard lock(mutex_);
  if (find(name) || (parsed->kind == DeviceKind::AtDorvel && atSlot())) return false;
  const SimFiles::Eeprom eeprom = files_.readEeprom(parsed->fileTag).value_or(SimFiles::Eeprom{});
  Keyboard keyboard = [&]() -> Keyboard {
    switch (parsed->kind) {
      case DeviceKind::UsbDorvel:
        return UsbDorvelKeyboard(eeprom);
      case DeviceKind::UsbIlvar:
        return UsbIlvarKeyboard(eeprom);
      case DeviceKind::AtDorvel:
        break;
    }
    return AtDorvelKeyboard(eeprom);
  }();
  Slot& slot = slots_.emplace_back(Slot{.name = *parsed,
                                        .keyboard = std::move(keyboard),
                                        .generation = nextGeneration_++,
                                        .failingWrites = 0,
                                        .absentUntil = {},
                                        .traffic = {}});
  afterChanges(slot, {.state = true});
  return true;
}

bool SimDevices::detach(std::string_view name) {
  std::lock_guard lock(mutex_);
  const auto erased =
      std::erase_if(slots_, [&](const Slot& slot) { return slot.name.name == name; });
  return erased > 0;
}

std::vector<HidDeviceInfo> SimDevices::enumerate() {
  applyPlugLines();
  std::lock_guard lock(mutex_);
  if (failingEnumerations_ > 0) {
    --failingEnumerations_;
    throw std::runtime_error("HID enumeration fault");
  }
  std::vector<HidDeviceInfo> devices;
  for (const Slot& slot : slots_) {
    if (slot.name.kind == DeviceKind::AtDorvel || !present(slot)) continue;
    devices.push_back(
        {std::string(kPathPrefix) + slot.name.name, {slot.name.vendorId, slot.name.productId}});
  }
  return devices;
}

std::unique_ptr<HidDevice> SimDevices::open(const std::string& path) {
  if (!path.starts_with(kPathPrefix)) return nullptr;
  std::lock_guard lock(mutex_);
  Slot* slot = find(std::string_view(path).substr(kPathPrefix.size()));
  if (!slot || slot->name.kind == DeviceKind::AtDorvel || !present(*slot)) return nullptr;
  return std::make_unique<SimHidDevice>(*this, slot->name.name, slot->generation,
                                        HidAttributes{slot->name.vendorId, slot->name.productId});
}

bool SimDevices::writeReport(const std::string& name, std::uint64_t generation,
                             std::span<const std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot || slot->generation != generation || !present(*slot)) return false;
  if (slot->failingWrites > 0) {
    --slot->failingWrites;
    return false;
  }
  if (report.size() != UsbDorvelKeyboard::kReportLength) return false;
  record(*slot, report);
  velmar::sim::DeviceChanges changes;
  if (auto* dorvel = std::get_if<UsbDorvelKeyboard>(&slot->keyboard)) {
    changes = dorvel->receive(report);
  } else if (auto* ilvar = std::get_if<UsbIlvarKeyboard>(&slot->keyboard)) {
    changes = ilvar->receive(report);
  }
  afterChanges(*slot, changes);
  return true;
}

std::uint8_t SimDevices::readPort(std::uint16_t port) {
  std::lock_guard lock(mutex_);
  return controller_.read(port);
}

void SimDevices::writePort(std::uint16_t port, std::uint8_t value) {
  std::lock_guard lock(mutex_);
  controller_.write(port, value);
}

// Runs inside writePort, with the lock held.
void SimDevices::keyboardPort(std::uint8_t byte, std::vector<std::uint8_t>& answers) {
  Slot* slot = atSlot();
  if (!slot) return;
  record(*slot, std::span(&byte, 1));
  afterChanges(*slot, std::get<AtDorvelKeyboard>(slot->keyboard).receive(byte, answers));
}

bool SimDevices::eeprom(std::string_view name, std::span<std::uint8_t, 512> out) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot) return false;
  std::visit([&](const auto& keyboard) { std::ranges::copy(keyboard.eeprom(), out.begin()); },
             slot->keyboard);
  return true;
}

std::optional<std::vector<std::uint8_t>> SimDevices::traffic(std::string_view name) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot) return std::nullopt;
  return slot->traffic;
}

bool SimDevices::clearTraffic(std::string_view name) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot) return false;
  slot->traffic.clear();
  return true;
}

bool SimDevices::failWrites(std::string_view name, int count) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot || slot->name.kind == DeviceKind::AtDorvel || count < 0) return false;
  slot->failingWrites = count;
  return true;
}

bool SimDevices::failEnumerations(int count) {
  if (count < 0) return false;
  std::lock_guard lock(mutex_);
  failingEnumerations_ = count;
  return true;
}

std::optional<std::string> SimDevices::state(std::string_view name) {
  std::lock_guard lock(mutex_);
  Slot* slot = find(name);
  if (!slot) return std::nullopt;
  return std::visit([](const auto& keyboard) { return keyboard.stateText(); }, slot->keyboard);
}

std::string SimDevices::display() {
  std::lock_guard lock(mutex_);
  if (Slot* source = find(displaySource_); source && displayOf(*source)) {
    return displayOf(*source)->text();
  }
  for (const Slot& slot : slots_) {
    if (const auto* display = displayOf(slot)) return display->text();
  }
  return {};
}

bool SimDevices::setAtSilent(bool silent) {
  std::lock_guard lock(mutex_);
  Slot* slot = atSlot();
  if (!slot) return false;
  std::get<AtDorvelKeyboard>(slot->keyboard).setSilent(silent);
  afterChanges(*slot, {.state = true});
  return true;
}

bool SimDevices::requestAtResends(int count) {
  std::lock_guard lock(mutex_);
  Slot* slot = atSlot();
  if (!slot || count < 0) return false;
  std::get<AtDorvelKeyboard>(slot->keyboard).requestResends(count);
  afterChanges(*slot, {.state = true});
  return true;
}

bool SimDevices::setControllerBusy(int reads) {
  if (reads < -1) return false;
  std::lock_guard lock(mutex_);
  controller_.setBusy(reads);
  return true;
}

// Takes mutex_ through attach and detach, so it runs before enumerate holds it.
void SimDevices::applyPlugLines() {
  std::lock_guard lock(plugMutex_);
  for (const std::string& line : files_.takePlugLines()) {
    std::istringstream words(line);
    std::string command;
    std::string device;
    words >> command >> device;
    if (command == "attach") {
      attach(device);
    } else if (command == "detach") {
      detach(device);
    }
  }
}

SimDevices::Slot* SimDevices::find(std::string_view name) {
  auto it = std::ranges::find_if(slots_, [&](const Slot& slot) { return slot.name.name == name; });
  return it == slots_.end() ? nullptr : &*it;
}

SimDevices::Slot* SimDevices::atSlot() {
  auto it = std::ranges::find_if(
      slots_, [](const Slot& slot) { return slot.name.kind == DeviceKind::AtDorvel; });
  return it == slots_.end() ? nullptr : &*it;
}

bool SimDevices::present(const Slot& slot) const {
  return Clock::now() >= slot.absentUntil;
}

void SimDevices::record(Slot& slot, std::span<const std::uint8_t> bytes) {
  if (slot.traffic.size() + bytes.size() > kTrafficLimit) {
    const std::size_t unit =
        slot.name.kind == DeviceKind::AtDorvel ? 1 : UsbDorvelKeyboard::kReportLength;
    const std::size_t drop = slot.traffic.size() / 2 / unit * unit;
    slot.traffic.erase(slot.traffic.begin(), slot.traffic.begin() + static_cast<long>(drop));
  }
  slot.traffic.insert(slot.traffic.end(), bytes.begin(), bytes.end());
  files_.appendTraffic(slot.name.name, bytes);
}

void SimDevices::afterChanges(Slot& slot, const velmar::sim::DeviceChanges& changes) {
  if (changes.reset && slot.name.kind != DeviceKind::AtDorvel) {
    slot.absentUntil = Clock::now() + kRestartAbsence;
    slot.generation = nextGeneration_++;
  }
  if (changes.eeprom) {
    std::visit(
        [&](const auto& keyboard) { files_.writeEeprom(slot.name.fileTag, keyboard.eeprom()); },
        slot.keyboard);
  }
  if (changes.display && displayOf(slot)) {
    displaySource_ = slot.name.name;
    files_.writeDisplay(displayOf(slot)->text());
  }
  if (changes.state || changes.reset) {
    std::visit(
        [&](const auto& keyboard) { files_.writeState(slot.name.fileTag, keyboard.stateText()); },
        slot.keyboard);
  }
}

const velmar::sim::CharacterDisplay* SimDevices::displayOf(const Slot& slot) {
  if (const auto* usb = std::get_if<UsbDorvelKeyboard>(&slot.keyboard)) return &usb->display();
  if (const auto* at = std::get_if<AtDorvelKeyboard>(&slot.keyboard)) return &at->display();
  return nullptr;
}

}  // namespace velmar::platform::sim
