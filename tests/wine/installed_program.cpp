#include "wine/installed_program.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/win32/code_page.h"
#include "testutil.h"

namespace sonorix::testing {

using namespace std::chrono_literals;

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// Settings as a first start leaves them: the music folder is chosen.
std::wstring ChooseMusicFolder(const std::string& musicFolder) {
  WriteBytes(InstallFolder() + L"\\ini files\\sonorix.ini",
             "[Sonorix]\r\nMP3 DIR=" + Utf8ToAnsi(musicFolder) + "\r\n");
  return Quoted(InstallFolder() + L"\\Sonorix.exe");
}

}  // namespace

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Sonorix"; }
std::wstring StartMenuFolder() { return KnownFolder(FOLDERID_Programs) + L"\\Sonorix"; }

std::wstring SetupProgram() {
  wchar_t path[MAX_PATH] = {};
  GetEnvironmentVariableW(L"SONORIX_SETUP", path, MAX_PATH);
  return path;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::wstring& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(std::filesystem::path(path), std::ios::binary).rdbuf();
  return bytes.str();
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::wstring UninstallEntry(const wchar_t* value) {
  wchar_t text[1024] = {};
  DWORD size = sizeof text;
  const LSTATUS status = RegGetValueW(
      HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sonorix", value,
      RRF_RT_REG_SZ, nullptr, text, &size);
  return status == ERROR_SUCCESS ? text : L"";
}

ChildProcess::ChildProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
  }
}

ChildProcess::~ChildProcess() {
  if (!Started()) return;
  if (!Ended(0ms)) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool ChildProcess::Ended(std::chrono::milliseconds timeout, DWORD* exitCode) const {
  const bool ended =
      Started() &&
      WaitUntil([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; },
                timeout);
  if (ended && exitCode != nullptr) GetExitCodeProcess(process_.hProcess, exitCode);
  return ended;
}

DWORD RunToEnd(const std::wstring& program, const std::wstring& arguments) {
  const ChildProcess process(Quoted(program) + L" " + arguments);
  DWORD exitCode = ~0u;
  return process.Ended(120s, &exitCode) ? exitCode : ~0u;
}

InstalledSonorix::InstalledSonorix(const std::string& musicFolder)
    : process(ChooseMusicFolder(musicFolder)) {}

HWND InstalledSonorix::WaitForWindow(const wchar_t* className, const wchar_t* title) {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        return (window = FindWindowW(className, title)) != nullptr && IsWindowVisible(window);
      },
      60s);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace sonorix::testing
