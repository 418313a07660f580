#include "core/debug_output.h"

#include <windows.h>

#include <string>

namespace sonorix {

// Converted here: the code page helpers live in the Windows library that is
// built on this one. One call per line, so a viewer never shows half a
// line from one thread beside half from another.
void WriteToDebugOutput(std::string_view line) {
  std::wstring wide = L"Sonorix: ";
  const int size = static_cast<int>(line.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, line.data(), size, nullptr, 0);
  const std::size_t prefix = wide.size();
  wide.resize(prefix + static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_UTF8, 0, line.data(), size, wide.data() + prefix, length);
  wide += L'\n';
  OutputDebugStringW(wide.c_str());
}

}  // namespace sonorix
