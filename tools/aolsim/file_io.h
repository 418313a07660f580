// Files and text encodings at the edge of the program: paths arrive as
// UTF-8 and are opened through the wide API so any name works.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sonorix::aolsim {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// Appends the bytes, opening and closing the file each time so that every
// call is on disk for a reader at once. False if the file cannot be written.
bool AppendToFile(std::string_view utf8Path, std::string_view bytes);
// Replaces the file's content.
bool WriteWholeFile(std::string_view utf8Path, std::string_view bytes);
// nullopt if the file cannot be read or is unreasonably large for a script.
std::optional<std::string> ReadWholeFile(std::string_view utf8Path);

// Writes to standard error when the program has one; a GUI program started
// from Explorer has none, and then the message goes nowhere.
void ReportError(std::string_view utf8Message);

}  // namespace sonorix::aolsim
