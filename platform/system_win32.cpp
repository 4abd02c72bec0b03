// The system interface on Windows. Every path inside the program is UTF-8;
// this file converts at the boundary and calls the wide-character API, so
// that a user or folder name with non-ASCII letters works.
#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/system.h"

namespace platform::system {

namespace {

std::wstring wide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
  return result;
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

// The system's text for a Win32 error code, without its closing line break.
std::string errorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = length > 0 ? utf8({buffer, length}) : "error " + std::to_string(code);
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

// Closes `file` (when open), removes the temporary file and gives the reason.
std::string giveUp(DWORD error, HANDLE file, const std::wstring& temporary) {
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  ::DeleteFileW(temporary.c_str());
  return errorText(error);
}

bool validHandle(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// The programs are GUI programs, so no console window flashes up when one is
// double-clicked. Started from a console, they attach to it before main()
// runs, so that --help, --version, the exit lines and the timedemo summary
// print there as on Linux. Output already redirected to a file or a pipe is
// kept as it is. Either way the streams are binary: lines end in "\n" alone,
// the same bytes as on Linux.
struct ConsoleAttachment {
  ConsoleAttachment() {
    const bool outputRedirected = validHandle(::GetStdHandle(STD_OUTPUT_HANDLE));
    const bool errorsRedirected = validHandle(::GetStdHandle(STD_ERROR_HANDLE));
    if ((!outputRedirected || !errorsRedirected) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
      ::SetConsoleOutputCP(CP_UTF8);
      if (!outputRedirected) std::freopen("CONOUT$", "w", stdout);
      if (!errorsRedirected) std::freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
  }
};
const ConsoleAttachment consoleAttachment;

}  // namespace

std::string executablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return "";
    if (length < buffer.size()) {
      buffer.resize(length);
      return utf8(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

// %APPDATA%\kestrel: the roaming application-data folder, as the variable
// names it (so that it can be pointed elsewhere, like $XDG_DATA_HOME), else
// as the shell knows it.
std::string userDataFolder() {
  if (const auto appData = environmentVariable("APPDATA"); appData && !appData->empty()) return *appData + "\\kestrel";
  wchar_t* known = nullptr;
  std::string folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) folder = utf8(known) + "\\kestrel";
  ::CoTaskMemFree(known);
  return folder;
}

const char* userDataFolderForHelp() { return "%APPDATA%\\kestrel"; }

std::optional<std::string> environmentVariable(const std::string& name) {
  const std::wstring key = wide(name);
  const DWORD needed = ::GetEnvironmentVariableW(key.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring value(needed, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(key.c_str(), value.data(), needed);
  value.resize(length);
  return utf8(value);
}

// _wputenv_s changes both the C library's copy of the environment and the
// process's own, which SDL reads.
void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
  _wputenv_s(wide(name).c_str(), value ? wide(*value).c_str() : L"");
}

void setEnvironmentDefault(const std::string& name, const std::string& value) {
  if (!environmentVariable(name)) setEnvironmentVariable(name, value);
}

long processId() { return static_cast<long>(::GetCurrentProcessId()); }

std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents) {
  const std::wstring scratch = wide(temporary);
  const HANDLE file =
      ::CreateFileW(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return errorText(::GetLastError());
  std::size_t written = 0;
  while (written < contents.size()) {
    const std::size_t chunk = std::min<std::size_t>(contents.size() - written, 1U << 20);
    DWORD n = 0;
    if (!::WriteFile(file, contents.data() + written, static_cast<DWORD>(chunk), &n, nullptr)) {
      return giveUp(::GetLastError(), file, scratch);
    }
    written += n;
  }
  if (!::FlushFileBuffers(file)) return giveUp(::GetLastError(), file, scratch);
  if (!::CloseHandle(file)) return giveUp(::GetLastError(), INVALID_HANDLE_VALUE, scratch);
  // WRITE_THROUGH returns only once the rename is on the storage.
  if (!::MoveFileExW(scratch.c_str(), wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return giveUp(::GetLastError(), INVALID_HANDLE_VALUE, scratch);
  }
  return "";
}

void removeFile(const std::string& path) { ::DeleteFileW(wide(path).c_str()); }

}  // namespace platform::system
