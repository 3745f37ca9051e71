#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <mutex>
#include <system_error>

#include "platform/native/native_services.h"

namespace velmar::platform::native {
namespace {

class FilePortIo final : public PortIo {
 public:
  explicit FilePortIo(std::filesystem::path device) : device_(std::move(device)) {}
  ~FilePortIo() override {
    if (fd_ >= 0) ::close(fd_);
  }
  FilePortIo(const FilePortIo&) = delete;
  FilePortIo& operator=(const FilePortIo&) = delete;

  std::optional<std::uint8_t> read(std::uint16_t port) override {
    const int fd = openedFd();
    std::uint8_t value = 0;
    if (fd < 0 || ::pread(fd, &value, 1, port) != 1) return std::nullopt;
    return value;
  }

  bool write(std::uint16_t port, std::uint8_t value) override {
    const int fd = openedFd();
    return fd >= 0 && ::pwrite(fd, &value, 1, port) == 1;
  }

 private:
  // Opens at first use, and again at each use while it fails, so that access granted later
  // (the kernel's port device wants CAP_SYS_RAWIO) takes effect without a restart.
  int openedFd() {
    std::lock_guard lock(mutex_);
    if (fd_ >= 0) return fd_;
    fd_ = ::open(device_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0 && !reported_) {
      reported_ = true;
      std::cerr << "velmar: cannot open " << device_.string() << ": "
                << std::generic_category().message(errno) << '\n';
    }
    return fd_;
  }

  const std::filesystem::path device_;
  std::mutex mutex_;
  int fd_ = -1;
  bool reported_ = false;
};

}  // namespace

std::unique_ptr<PortIo> makePortIo(const std::filesystem::path& portDevice) {
  return std::make_unique<FilePortIo>(portDevice);
}

}  // namespace velmar::platform::native
