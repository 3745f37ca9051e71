#include "cli/command_line.h"

#include <algorithm>
#include <array>

namespace lavrix::cli {
namespace {

enum class Option { Page, Output, Log, Wait };

struct OptionName {
  std::string_view name;
  Option option;
  bool takesValue;
};

constexpr std::array<OptionName, 5> kOptions{{
    {"--page", Option::Page, true},
    {"-o", Option::Output, true},
    {"--output", Option::Output, true},
    {"--log", Option::Log, true},
    {"--wait", Option::Wait, false},
}};

struct CommandRule {
  Command command;
  std::string_view name;
  std::size_t operands;
  std::vector<Option> options;
  bool outputRequired = false;
};

const std::array<CommandRule, 5>& Rules() {
  static const std::array<CommandRule, 5> rules{{
      {Command::Show, "show", 1, {Option::Page}},
      {Command::Import, "import", 2, {Option::Output}, true},
      {Command::Image, "image", 1, {Option::Output}},
      {Command::Diff, "diff", 2, {}},
      {Command::Write, "write", 1, {Option::Wait, Option::Log}},
  }};
  return rules;
}

const CommandRule* RuleOf(std::string_view name) {
  for (const CommandRule& rule : Rules()) {
    if (rule.name == name) return &rule;
  }
  return nullptr;
}

bool IsHelp(std::string_view argument) {
  return argument == "--help" || argument == "-h";
}

Failure Wrong(std::string_view command, const std::string& what) {
  return {what + "\nUse \"lavrix-cli " + std::string(command) + " --help\" para ver como usar."};
}

}  // namespace

std::string_view CommandName(Command command) {
  for (const CommandRule& rule : Rules()) {
    if (rule.command == command) return rule.name;
  }
  return {};
}

Outcome<Invocation> ParseCommandLine(std::span<const std::string> arguments) {
  Invocation invocation;
  if (arguments.empty() || IsHelp(arguments[0])) {
    invocation.help = true;
    return invocation;
  }
  const CommandRule* rule = RuleOf(arguments[0]);
  if (!rule) {
    return Failure{"Comando desconhecido: " + arguments[0] +
                   "\nUse \"lavrix-cli --help\" para ver os comandos."};
  }
  invocation.command = rule->command;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && IsHelp(argument)) {
      invocation.help = true;
      return invocation;
    }
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      invocation.operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = std::string_view(argument).substr(0, equals);
    const auto known = std::ranges::find(kOptions, name, &OptionName::name);
    if (known == kOptions.end() ||
        std::ranges::find(rule->options, known->option) == rule->options.end()) {
      return Wrong(rule->name,
                   "Opção desconhecida para " + std::string(rule->name) + ": " + std::string(name));
    }
    std::optional<std::string> value;
    if (known->takesValue) {
      if (equals != std::string::npos) {
        value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return Wrong(rule->name, "Falta o valor da opção " + std::string(name) + ".");
      }
    } else if (equals != std::string::npos) {
      return Wrong(rule->name, "A opção " + std::string(name) + " não leva valor.");
    }
    switch (known->option) {
      case Option::Page:
        invocation.page = value;
        break;
      case Option::Output:
        invocation.output = value;
        break;
      case Option::Log:
        invocation.log = value;
        break;
      case Option::Wait:
        invocation.wait = true;
        break;
    }
  }
  if (invocation.operands.size() < rule->operands)
    return Wrong(rule->name, "Faltam argumentos para " + std::string(rule->name) + ".");
  if (invocation.operands.size() > rule->operands)
    return Wrong(rule->name, "Argumentos a mais para " + std::string(rule->name) + ".");
  if (rule->outputRequired && !invocation.output)
    return Wrong(rule->name, "Indique o arquivo de saída com -o.");
  return invocation;
}

}  // namespace lavrix::cli
