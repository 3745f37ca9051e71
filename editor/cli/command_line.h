#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_files.h"

namespace lavrix::cli {

enum class Command { Show, Import, Image, Diff, Write };

// What the user asked for. Without a command, or with --help, only the help is wanted.
struct Invocation {
  std::optional<Command> command;
  bool help = false;
  std::vector<std::string> operands;
  std::optional<std::string> page;
  std::optional<std::string> output;
  std::optional<std::string> log;
  bool wait = false;
};

// The command's name as typed.
std::string_view CommandName(Command command);

// Reads the arguments after the program's name; the failure says what is wrong.
Outcome<Invocation> ParseCommandLine(std::span<const std::string> arguments);

}  // namespace lavrix::cli
