#include "cli/write_command.h"

#include <unistd.h>

#include <chrono>
#include <ctime>

#include "cli/cli_commands.h"
#include "cli/exit_status.h"
#include "cli/interruption.h"
#include "cli/terminal_progress.h"
#include "cli/usb_keyboard_watch.h"
#include "cli/write_log.h"
#include "core/varno_binding.h"

namespace lavrix::cli {
namespace {

constexpr int kLookEveryMs = 250;
// A keyboard counts as taken away after this long off the bus: one that restarts after its
// programming comes back sooner and is not written twice.
constexpr int kGoneAfterLooks = 8;

struct Job {
  const LayoutFile& layout;
  const WritePlan& plan;
  const std::string& layoutPath;
  std::uint32_t imageChecksum;
  const std::optional<std::string>& logPath;
  VarnoBinding& varno;
};

std::string LocalTime() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// What the log says of the outcome, and the message the user reads.
std::pair<std::string, std::string> Told(WriteOutcome outcome,
                                         const std::optional<WriteMessage>& message) {
  switch (outcome) {
    case WriteOutcome::Reached:
      return {"gravado", message ? message->text : std::string()};
    case WriteOutcome::NotReached:
      return {"nenhum teclado respondeu", message ? message->text : std::string()};
    case WriteOutcome::Unconfirmed:
      return {"não confirmado",
              "A biblioteca Varno não informa se o teclado recebeu o layout (falta a função "
              "ResultadoGravacao). Gravação não confirmada."};
    case WriteOutcome::Stopped:
      break;
  }
  return {"não efetuado", message ? message->text : std::string()};
}

// One keyboard, as the editor writes it, between its own OpenVarno and CloseVarno so that each
// keyboard is looked for afresh.
bool WriteOneKeyboard(const Job& job, std::ostream& out, std::ostream& err) {
  TerminalProgress progress(out, isatty(STDOUT_FILENO) == 1);
  job.varno.OpenVarno();
  const WriteOutcome outcome = RunWrite(job.plan, job.layout.codes, job.varno, progress);
  job.varno.CloseVarno();
  const bool reached = outcome == WriteOutcome::Reached;
  const auto [result, text] = Told(outcome, progress.Message());
  if (reached) {
    out << text << std::endl;
  } else {
    err << "lavrix-cli: " << text << std::endl;
  }
  if (job.logPath) {
    const WriteRecord record{LocalTime(), job.layout.model, job.layoutPath, job.imageChecksum,
                             result};
    if (auto failure = AppendLine(*job.logPath, CsvLine(record)))
      err << "lavrix-cli: " << failure->message << std::endl;
  }
  return reached;
}

// Looks at the bus until `wanted` holds, or an interruption comes (false).
template <typename Condition>
bool LookUntil(Interruption& interruption, Condition wanted) {
  while (!wanted()) {
    if (interruption.WaitFor(kLookEveryMs)) return false;
  }
  return true;
}

int WriteEachKeyboard(const Job& job, Interruption& interruption, std::ostream& out,
                      std::ostream& err) {
  int written = 0;
  int failed = 0;
  out << "Aguardando um teclado USB. Ctrl+C encerra." << std::endl;
  while (LookUntil(interruption, UsbKeyboardPresent)) {
    out << "Teclado conectado." << std::endl;
    ++(WriteOneKeyboard(job, out, err) ? written : failed);
    out << "Retire o teclado." << std::endl;
    int looksAway = 0;
    if (!LookUntil(interruption, [&] {
          looksAway = UsbKeyboardPresent() ? 0 : looksAway + 1;
          return looksAway >= kGoneAfterLooks;
        })) {
      break;
    }
    out << "Aguardando o próximo teclado. Ctrl+C encerra." << std::endl;
  }
  out << "Encerrado: " << written << " teclado(s) gravado(s), " << failed << " com falha."
      << std::endl;
  return written > 0 && failed == 0 ? kSucceeded : kNotDone;
}

}  // namespace

int RunWriteCommand(const Invocation& invocation, std::ostream& out, std::ostream& err,
                    const void* besideAddress) {
  // Before Varno starts the device libraries' threads.
  Interruption interruption;
  const std::string& path = invocation.operands[0];
  auto layout = ReadLayoutAt(path);
  if (auto* failure = std::get_if<Failure>(&layout)) {
    err << "lavrix-cli: " << failure->message << std::endl;
    return kBadInput;
  }
  const LayoutFile& file = std::get<LayoutFile>(layout);
  const WritePlan plan = PlanWrite(file.model, file.codes);
  auto image = ImageOfLayout(file, plan);
  if (auto* failure = std::get_if<Failure>(&image)) {
    err << "lavrix-cli: " << failure->message << std::endl;
    return kBadInput;
  }
  VarnoBinding varno(besideAddress);
  const Job job{file, plan, path, Crc32(std::get<UsbImage>(image)), invocation.log, varno};
  if (invocation.wait) return WriteEachKeyboard(job, interruption, out, err);
  return WriteOneKeyboard(job, out, err) ? kSucceeded : kNotDone;
}

}  // namespace lavrix::cli
