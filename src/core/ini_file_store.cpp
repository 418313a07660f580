#include "core/ini_file_store.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace sonorix {

namespace {

using Lines = std::vector<std::string>;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// Windows paths name the same files here with forward slashes.
std::string NativePath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

std::optional<Lines> LoadLines(const std::string& file) {
  std::ifstream in(NativePath(file), std::ios::binary);
  if (!in) return std::nullopt;
  Lines lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

// Into a file beside the old one, which then takes its place.
bool SaveLines(const Lines& lines, const std::string& file) {
  const std::filesystem::path path = NativePath(file);
  std::filesystem::path temporary = path;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << "\r\n";
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
  const auto trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Where a section's lines run: [header, end).
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const Lines& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const Lines& lines, SectionSpan span, std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto entry = SplitKeyLine(lines[i]);
    if (entry && SameName(entry->key, key)) return i;
  }
  return std::nullopt;
}

std::size_t AfterLastEntry(const Lines& lines, SectionSpan span) {
  std::size_t at = span.header + 1;
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (!Trim(lines[i]).empty()) at = i + 1;
  }
  return at;
}

// Built by appending: GCC 12 warns falsely on "[" + std::string.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const auto part : parts) text.append(part);
  return text;
}

}  // namespace

std::string IniFileStore::Read(std::string_view section, std::string_view key,
                               const std::string& file) const {
  const auto lines = LoadLines(file);
  if (!lines) return {};
  const auto span = FindSection(*lines, section);
  if (!span) return {};
  const auto at = FindKey(*lines, *span, key);
  if (!at) return {};
  const auto value = Unquote(SplitKeyLine((*lines)[*at])->value);
  return std::string(value.substr(0, kMaxValueLength));
}

bool IniFileStore::Write(std::string_view section, std::string_view key, std::string_view value,
                         const std::string& file) {
  Lines lines = LoadLines(file).value_or(Lines{});
  const auto span = FindSection(lines, section);
  if (!span) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back(Joined({"[", section, "]"}));
    lines.push_back(Joined({key, "=", value}));
  } else if (const auto at = FindKey(lines, *span, key)) {
    const std::string kept(SplitKeyLine(lines[*at])->key);
    lines[*at] = Joined({kept, "=", value});
  } else {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(AfterLastEntry(lines, *span)),
                 Joined({key, "=", value}));
  }
  return SaveLines(lines, file);
}

}  // namespace sonorix
