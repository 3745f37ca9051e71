#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lavrix::cli::testing {

// lavrix-cli run as a person runs it, on the simulated platform, its output kept in files.
class CliProcess {
 public:
  // `devices` are the keyboards plugged in at start; `simDirectory` keeps their files.
  CliProcess(std::vector<std::string> arguments, const std::filesystem::path& workDirectory,
             const std::string& devices = "none", const std::filesystem::path& simDirectory = {},
             const std::string& program = VELMAR_OUTPUT_DIR "/lavrix-cli")
      : out_(workDirectory / "stdout.txt"), err_(workDirectory / "stderr.txt") {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ > 0) return;
    setenv("VELMAR_PLATFORM", "sim", 1);
    setenv("VELMAR_SIM_DEVICES", devices.c_str(), 1);
    if (simDirectory.empty()) {
      unsetenv("VELMAR_SIM_DIR");
    } else {
      setenv("VELMAR_SIM_DIR", simDirectory.c_str(), 1);
    }
    if (chdir(workDirectory.c_str()) != 0 || !freopen(out_.c_str(), "w", stdout) ||
        !freopen(err_.c_str(), "w", stderr)) {
      _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (std::string& argument : arguments)
      argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  ~CliProcess() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  // The exit status; -1 when the program did not end by itself.
  int Wait() {
    if (!status_) {
      int raw = 0;
      waitpid(pid_, &raw, 0);
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    return *status_;
  }
  void Interrupt() const { kill(pid_, SIGINT); }

  std::string Out() const { return Read(out_); }
  std::string Err() const { return Read(err_); }

  // Waits until the standard output holds `text` `times` times; false when the program ended
  // first.
  bool WaitForOutput(const std::string& text, int times = 1) {
    while (Count(Out(), text) < times) {
      int raw = 0;
      if (waitpid(pid_, &raw, WNOHANG) == pid_) {
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return Count(Out(), text) >= times;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  static int Count(const std::string& text, const std::string& piece) {
    int count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
      ++count;
    return count;
  }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path out_;
  std::filesystem::path err_;
  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the program to its end.
inline CliRun RunCli(std::vector<std::string> arguments, const std::filesystem::path& workDirectory,
                     const std::string& devices = "none",
                     const std::filesystem::path& simDirectory = {}) {
  CliProcess process(std::move(arguments), workDirectory, devices, simDirectory);
  const int status = process.Wait();
  return {status, process.Out(), process.Err()};
}

}  // namespace lavrix::cli::testing
