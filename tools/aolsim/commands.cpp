#include "aolsim/commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sonorix::aolsim {

namespace {

constexpr std::string_view kBlanks = " \t";
// An hour is far beyond any test, and keeps the milliseconds in range.
constexpr double kMaxSeconds = 3600.0;

std::string_view Trim(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == text.npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::optional<Command> ParseSay(std::string_view argument) {
  const std::size_t colon = argument.find(':');
  if (colon == argument.npos) return std::nullopt;
  auto name = ParseName(argument.substr(0, colon));
  std::string_view text = argument.substr(colon + 1);
  if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!name || text.empty()) return std::nullopt;
  return Say{std::move(*name), std::string(text)};
}

// Seconds, fractions allowed, as "wait" and "hang" take them.
std::optional<std::chrono::milliseconds> ParseSeconds(std::string_view argument) {
  argument = Trim(argument);
  double seconds = 0;
  const auto [end, error] =
      std::from_chars(argument.data(), argument.data() + argument.size(), seconds);
  if (argument.empty() || error != std::errc() || end != argument.data() + argument.size() ||
      !std::isfinite(seconds) || seconds < 0 || seconds > kMaxSeconds) {
    return std::nullopt;
  }
  return std::chrono::milliseconds(std::llround(seconds * 1000.0));
}

template <typename TimedCommand>
std::optional<Command> ParseTimed(std::string_view argument) {
  const auto duration = ParseSeconds(argument);
  if (!duration) return std::nullopt;
  return TimedCommand{*duration};
}

std::optional<Command> ParseNoArgument(std::string_view argument, Command command) {
  if (!Trim(argument).empty()) return std::nullopt;
  return command;
}

template <typename NamedCommand>
std::optional<Command> ParseNamed(std::string_view argument) {
  auto name = ParseName(argument);
  if (!name) return std::nullopt;
  return NamedCommand{std::move(*name)};
}

std::optional<Command> ParseVerb(std::string_view verb, std::string_view argument) {
  if (verb == "signon") return ParseNamed<SignOn>(argument);
  if (verb == "signoff") return ParseNoArgument(argument, SignOff{});
  if (verb == "room") return ParseNamed<OpenRoom>(argument);
  if (verb == "closeroom") return ParseNamed<CloseRoom>(argument);
  if (verb == "front") return ParseNamed<FrontRoom>(argument);
  if (verb == "say") return ParseSay(argument);
  if (verb == "type") return Type{std::string(argument)};
  if (verb == "clear") return ParseNoArgument(argument, Clear{});
  if (verb == "maxlines") {
    const auto count = ParseLineLimit(Trim(argument));
    return count ? std::optional<Command>(MaxLines{*count}) : std::nullopt;
  }
  if (verb == "dump") return ParseNamed<Dump>(argument);
  if (verb == "wait") return ParseTimed<Wait>(argument);
  if (verb == "hang") return ParseTimed<Hang>(argument);
  if (verb == "ignore") {
    const std::string_view part = Trim(argument);
    if (part != "im" && part != "mail" && part != "menu" && part != "submenu" && part != "box") {
      return std::nullopt;
    }
    return Ignore{std::string(part)};
  }
  if (verb == "quirk") {
    const std::string_view part = Trim(argument);
    if (part != "menu-on-top" && part != "hidden-menu") return std::nullopt;
    return Quirk{std::string(part)};
  }
  if (verb == "transfer") return ParseNamed<Transfer>(argument);
  if (verb == "quit") return ParseNoArgument(argument, Quit{});
  return std::nullopt;
}

}  // namespace

std::optional<Command> ParseCommand(std::string_view line) {
  if (line.find_first_of(std::string_view("\r\n\0", 3)) != line.npos) return std::nullopt;
  const std::size_t verbEnd = std::min(line.find_first_of(kBlanks), line.size());
  std::string_view argument = line.substr(verbEnd);
  // Only the blanks that separate the verb go: "type" keeps the rest as typed.
  argument.remove_prefix(std::min(argument.find_first_not_of(kBlanks), argument.size()));
  return ParseVerb(line.substr(0, verbEnd), argument);
}

std::optional<std::string> ParseName(std::string_view text) {
  const std::string_view name = Trim(text);
  if (name.empty() || HasControlCharacter(name)) return std::nullopt;
  return std::string(name);
}

std::optional<std::size_t> ParseLineLimit(std::string_view text) {
  std::size_t count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || count == 0 ||
      count > kMaxLineLimit) {
    return std::nullopt;
  }
  return count;
}

Script ParseScript(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  Script script;
  for (std::size_t number = 1; !text.empty(); ++number) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    // Indenting is allowed; trailing blanks may belong to a typed text.
    auto command = ParseCommand(line.substr(line.find_first_not_of(kBlanks)));
    if (!command) {
      script.badLine = number;
      script.commands.clear();
      return script;
    }
    script.commands.push_back(std::move(*command));
  }
  return script;
}

}  // namespace sonorix::aolsim
