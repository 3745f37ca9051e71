// Start-up time, CPU use while waiting and peak memory of the editor, each measured in a
// process of its own that starts the real main window as the program does.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/grava_form.h"
#include "core/library_message_boxes.h"
#include "core/varno_binding.h"
#include "core/wait_seconds.h"
#include "keys/ui_fonts.h"
#include "platform/velmar_sim.h"

namespace {

constexpr int kStartRuns = 5;

std::int64_t MonotonicMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// CPU share of one core while `work` runs, in percent.
template <typename Work>
double CpuPercent(Work work) {
  const double cpu = CpuSeconds();
  const std::int64_t start = MonotonicMicroseconds();
  work();
  const double wall = (MonotonicMicroseconds() - start) / 1e6;
  return 100.0 * (CpuSeconds() - cpu) / wall;
}

// Times the library's own share of the start-up.
class TimedVarno : public lavrix::VarnoCalls {
 public:
  explicit TimedVarno(lavrix::VarnoCalls& varno) : varno_(varno) {}
  lavrix::VarnoCall OpenVarno() override {
    const std::int64_t start = MonotonicMicroseconds();
    const lavrix::VarnoCall call = varno_.OpenVarno();
    openMs = (MonotonicMicroseconds() - start) / 1000.0;
    return call;
  }
  lavrix::VarnoCall CloseVarno() override { return varno_.CloseVarno(); }
  lavrix::VarnoCall GravaBloco512(std::int32_t page, std::int32_t address, std::int32_t code1,
                                  std::int32_t code2, std::int32_t code3,
                                  std::int32_t code4) override {
    return varno_.GravaBloco512(page, address, code1, code2, code3, code4);
  }
  lavrix::VarnoCall GravaBloco256(std::int32_t address, std::int32_t code1, std::int32_t code2,
                                  std::int32_t code3, std::int32_t code4) override {
    return varno_.GravaBloco256(address, code1, code2, code3, code4);
  }
  lavrix::VarnoCall TerminaGravacao() override { return varno_.TerminaGravacao(); }
  lavrix::VarnoCall ResultadoGravacao(std::int32_t& reached) override {
    return varno_.ResultadoGravacao(reached);
  }
  lavrix::VarnoCall DelayAdj(std::int16_t delay) override { return varno_.DelayAdj(delay); }
  double openMs = 0;

 private:
  lavrix::VarnoCalls& varno_;
};

// The child: starts the editor as main() does and prints its figures on one line.
int RunEditor(int argc, char* argv[], bool waitFifteen, std::int64_t spawnedAt) {
  QApplication application(argc, argv);
  lavrix::InstallFontSubstitutes();
  const lavrix::LibraryMessageBoxes messageBoxes;
  // Varno lies with the deliverables, beside the platform library.
  lavrix::VarnoBinding binding(reinterpret_cast<const void*>(&VelmarSimAttach));
  TimedVarno varno(binding);
  lavrix::GravaForm window(varno, {3000, VELMAR_OUTPUT_DIR});

  const double splashCpu = CpuPercent([&] { window.Form_Load(); });
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  const double shownMs = (MonotonicMicroseconds() - spawnedAt) / 1000.0;
  QCoreApplication::processEvents();

  double waitCpu = 0;
  if (waitFifteen) waitCpu = CpuPercent([&] { lavrix::WaitSeconds(window.State(), 15); });
  std::printf("%.1f %.1f %.3f %.3f %ld\n", shownMs, varno.openMs, splashCpu, waitCpu,
              PeakKilobytes());
  window.close();
  return 0;
}

struct Figures {
  double shownMs = 0;
  double openVarnoMs = 0;
  double splashCpu = 0;
  double waitCpu = 0;
  long peakKb = 0;
};

Figures RunChild(const char* self, const char* mode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(1);
  const std::string spawnedAt = std::to_string(MonotonicMicroseconds());
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    execl(self, self, mode, spawnedAt.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
    output.append(buffer, n);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Figures figures;
  if (std::sscanf(output.c_str(), "%lf %lf %lf %lf %ld", &figures.shownMs, &figures.openVarnoMs,
                  &figures.splashCpu, &figures.waitCpu, &figures.peakKb) != 5) {
    std::fprintf(stderr, "the editor run gave no figures: %s\n", output.c_str());
    std::exit(1);
  }
  return figures;
}

template <typename Field>
double Median(std::vector<Figures> runs, Field field) {
  std::vector<double> values;
  for (const Figures& run : runs)
    values.push_back(static_cast<double>(run.*field));
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  // The simulated platform with a USB keyboard, as "make run" starts the editor; offscreen
  // unless a display is given.
  setenv("VELMAR_PLATFORM", "sim", 0);
  setenv("VELMAR_SIM_DEVICES", "usb-dorvel", 0);
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);

  if (argc == 3 && (std::strcmp(argv[1], "--start") == 0 || std::strcmp(argv[1], "--wait") == 0)) {
    return RunEditor(1, argv, std::strcmp(argv[1], "--wait") == 0, std::atoll(argv[2]));
  }

  std::vector<Figures> runs;
  for (int run = 0; run < kStartRuns; ++run)
    runs.push_back(RunChild(argv[0], "--start"));
  const Figures waiting = RunChild(argv[0], "--wait");

  const double shown = Median(runs, &Figures::shownMs);
  std::printf("%-56s %12.1f ms\n", "process start to main window shown (median)", shown);
  const double openVarno = Median(runs, &Figures::openVarnoMs);
  std::printf("%-56s %12.1f ms\n", "  beyond the 3 s splash", shown - 3000.0);
  std::printf("%-56s %12.1f ms\n", "  OpenVarno, run during the splash (median)", openVarno);
  std::printf("%-56s %12.2f %%\n", "CPU of one core during start-up, splash wait included (median)",
              Median(runs, &Figures::splashCpu));
  std::printf("%-56s %12.2f %%\n", "CPU of one core during WaitSeconds(15)", waiting.waitCpu);
  std::printf("%-56s %12.1f MB\n", "peak resident memory after start (median)",
              Median(runs, &Figures::peakKb) / 1024.0);
  std::printf("%-56s %12.1f MB\n", "peak resident memory after WaitSeconds(15)",
              waiting.peakKb / 1024.0);
  return 0;
}
