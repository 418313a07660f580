#include "aolsim/options.h"

#include "aolsim/commands.h"

namespace sonorix::aolsim {

namespace {

bool IsOption(const std::string& arg) {
  for (const char* option : {"--name", "--room", "--log", "--script", "--max-lines", "--send"}) {
    if (arg == option) return true;
  }
  return false;
}

// Stores one option's value, or says why it cannot.
std::string Apply(Options& options, const std::string& option, const std::string& value) {
  const auto setOnce = [&](std::optional<std::string>& field) -> std::string {
    if (field) return option + " given twice";
    field = ParseName(value);
    return field ? "" : option + " needs a value without control characters";
  };
  if (option == "--name") return setOnce(options.name);
  if (option == "--log") return setOnce(options.logPath);
  if (option == "--script") return setOnce(options.scriptPath);
  if (option == "--room") {
    auto room = ParseName(value);
    if (!room) return "--room needs a value without control characters";
    options.rooms.push_back(std::move(*room));
    return {};
  }
  if (option == "--send") {
    if (options.send) return "--send given twice";
    options.send = value;  // judged by the running program, like any other command
    return {};
  }
  if (option == "--max-lines") {
    const auto count = ParseLineLimit(value);
    if (!count)
      return "--max-lines needs a whole number from 1 to " + std::to_string(kMaxLineLimit);
    options.maxLines = *count;
    return {};
  }
  return "unknown option " + option;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 == args.size()) {
      parsed.error = IsOption(args[i]) ? args[i] + " needs a value" : "unknown option " + args[i];
      return parsed;
    }
    parsed.error = Apply(parsed.options, args[i], args[i + 1]);
    if (!parsed.error.empty()) return parsed;
  }
  if (parsed.options.send && args.size() != 2) parsed.error = "--send takes no other option";
  return parsed;
}

}  // namespace sonorix::aolsim
