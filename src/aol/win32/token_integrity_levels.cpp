#include "aol/win32/token_integrity_levels.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "core/trace.h"
#include "core/win32/win32_handle.h"

namespace sonorix {

namespace {

// The level is the last part of the token's mandatory label. Empty with the
// error in GetLastError when the token cannot be read.
std::optional<DWORD> IntegrityOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const UniqueHandle owned(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  // In pointer-sized pieces: the label holds a pointer.
  std::vector<DWORD_PTR> buffer(size / sizeof(DWORD_PTR) + 1);
  if (size == 0 ||
      !GetTokenInformation(token, TokenIntegrityLevel, buffer.data(),
                           static_cast<DWORD>(buffer.size() * sizeof(DWORD_PTR)), &size)) {
    return std::nullopt;
  }
  const PSID label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  if (!IsValidSid(label) || *GetSidSubAuthorityCount(label) == 0) return std::nullopt;
  return *GetSidSubAuthority(label, *GetSidSubAuthorityCount(label) - 1U);
}

}  // namespace

// Any program may open another's process for limited queries, whatever its
// level. A token this program may not read, of a process it could open,
// belongs to an elevated program when this one is not elevated itself.
bool TokenIntegrityLevels::Outranks(WindowRef window) {
  DWORD id = 0;
  if (GetWindowThreadProcessId(reinterpret_cast<HWND>(window.handle), &id) == 0 || id == 0) {
    return false;
  }
  const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
  if (!ours) return false;
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  if (!process) {
    Trace("client process not open to queries; its integrity level is not known");
    return false;
  }
  const std::optional<DWORD> theirs = IntegrityOf(process.get());
  if (theirs) return *theirs > *ours;
  return GetLastError() == ERROR_ACCESS_DENIED && *ours < SECURITY_MANDATORY_HIGH_RID;
}

}  // namespace sonorix
