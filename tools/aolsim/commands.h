// The commands that drive the program: sent one at a time over the control
// channel or read from a script file.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sonorix::aolsim {

// Texts are UTF-8 here; the windows get them as Windows-1252.
struct SignOn {
  std::string name;
  friend bool operator==(const SignOn&, const SignOn&) = default;
};
struct SignOff {
  friend bool operator==(const SignOff&, const SignOff&) = default;
};
struct OpenRoom {
  std::string name;
  friend bool operator==(const OpenRoom&, const OpenRoom&) = default;
};
struct CloseRoom {
  std::string name;
  friend bool operator==(const CloseRoom&, const CloseRoom&) = default;
};
struct FrontRoom {
  std::string name;
  friend bool operator==(const FrontRoom&, const FrontRoom&) = default;
};
// A line from another member, HTML allowed.
struct Say {
  std::string name;
  std::string html;
  friend bool operator==(const Say&, const Say&) = default;
};
// A line typed into the input box and sent with Enter.
struct Type {
  std::string text;
  friend bool operator==(const Type&, const Type&) = default;
};
struct Clear {
  friend bool operator==(const Clear&, const Clear&) = default;
};
struct MaxLines {
  std::size_t count = 0;
  friend bool operator==(const MaxLines&, const MaxLines&) = default;
};
struct Dump {
  std::string path;
  friend bool operator==(const Dump&, const Dump&) = default;
};
struct Wait {
  std::chrono::milliseconds delay{0};
  friend bool operator==(const Wait&, const Wait&) = default;
};
// The client stops reading its messages for a while, as a hung program
// does, or until its wake event is set (WakeEventName); whoever sent the
// command is answered first.
struct Hang {
  std::chrono::milliseconds duration{0};
  friend bool operator==(const Hang&, const Hang&) = default;
};
// The client stops showing one of its windows: "im" (instant message
// window), "mail" (mail box), "menu" (the toolbar's pop-up menu), "submenu"
// (the mail boxes' sub-menu of that menu, whose item is then greyed) or
// "box" (its message box).
struct Ignore {
  std::string part;
  friend bool operator==(const Ignore&, const Ignore&) = default;
};
// The client's menus behave from now on as they may on Windows:
// "menu-on-top" keeps a pop-up menu above the sub-menu it opened, and
// "hidden-menu" makes a hidden pop-up menu window that lies above the shown
// ones, as a menu window kept for reuse does.
struct Quirk {
  std::string part;
  friend bool operator==(const Quirk&, const Quirk&) = default;
};
// A file transfer of the named file starts and runs on its own.
struct Transfer {
  std::string file;
  friend bool operator==(const Transfer&, const Transfer&) = default;
};
struct Quit {
  friend bool operator==(const Quit&, const Quit&) = default;
};

using Command = std::variant<SignOn, SignOff, OpenRoom, CloseRoom, FrontRoom, Say, Type, Clear,
                             MaxLines, Dump, Wait, Hang, Ignore, Quirk, Transfer, Quit>;

// The largest transcript limit accepted, so that a typo cannot make the
// program hoard memory.
inline constexpr std::size_t kMaxLineLimit = 1'000'000;

// One command, or nullopt when the line is not one. The verb is lower case
// and is followed by blanks before its argument. Names are trimmed and may
// hold blanks but no control characters; the text of "type" and the text of
// "say" after the ": " are taken as they are. A line holding CR, LF or NUL is
// never a command: one command is one line.
std::optional<Command> ParseCommand(std::string_view line);

// A screen name, room name or path: trimmed, not empty, no control characters.
std::optional<std::string> ParseName(std::string_view text);

// "1" to kMaxLineLimit in decimal digits.
std::optional<std::size_t> ParseLineLimit(std::string_view text);

struct Script {
  std::vector<Command> commands;
  // Set when a line is not a command; the whole script is then refused so
  // that a typo cannot leave a run half done.
  std::optional<std::size_t> badLine;  // counted from 1
};

// One command per line, CR LF or LF; blank lines and lines starting with "#"
// are skipped, as is a UTF-8 byte order mark.
Script ParseScript(std::string_view text);

}  // namespace sonorix::aolsim
