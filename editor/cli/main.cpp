#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/help_texts.h"
#include "cli/write_command.h"

namespace {

// Varno is looked for beside the module that holds this function: the program itself.
void ProgramAnchor() {}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace lavrix::cli;
  // System error texts in the user's language.
  std::setlocale(LC_ALL, "");
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = ParseCommandLine(arguments);
  if (const auto* failure = std::get_if<Failure>(&parsed)) {
    std::cerr << "lavrix-cli: " << failure->message << "\n";
    return kBadInput;
  }
  const Invocation& invocation = std::get<Invocation>(parsed);
  if (invocation.help) {
    std::cout << HelpText(invocation.command);
    return kSucceeded;
  }
  switch (*invocation.command) {
    case Command::Show:
      return RunShow(invocation, std::cout, std::cerr);
    case Command::Import:
      return RunImport(invocation, std::cout, std::cerr);
    case Command::Image:
      return RunImage(invocation, std::cout, std::cerr);
    case Command::Diff:
      return RunDiff(invocation, std::cout, std::cerr);
    case Command::Write:
      return RunWriteCommand(invocation, std::cout, std::cerr,
                             reinterpret_cast<const void*>(&ProgramAnchor));
  }
  return kBadInput;
}
