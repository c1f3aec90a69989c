#include "active_x_unregistration.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include "base/format.h"
#include "base/strings.h"
#include "system/com_ptr.h"
#include "system/current_directory_scope.h"
#include "system/ole_scope.h"
#include "system/unique_handle.h"
#include "uninstall_messages.h"

namespace vorlan {

namespace {
// A server that does not end within this time is left running.
constexpr DWORD kServerTimeoutMs = 30000;

[[noreturn]] void Refused(const std::string& path, const std::string& reason) {
  throw EUninstallError(Format(uninstall_message::kNotUnregistered, path, reason));
}

void UnregisterLibrary(const std::string& path) {
  TOleScope ole;
  TUniqueModule library(LoadLibraryA(path.c_str()));
  if (!library) Refused(path, Format("it cannot be loaded (error %d)", static_cast<int>(GetLastError())));
  using TUnregisterServer = HRESULT(WINAPI*)();
  auto unregister = reinterpret_cast<TUnregisterServer>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), "DllUnregisterServer")));
  if (!unregister) Refused(path, "it has no DllUnregisterServer function");
  HRESULT result = unregister();
  if (FAILED(result)) Refused(path, Format("DllUnregisterServer answered %x", static_cast<unsigned>(result)));
}

void UnregisterExeServer(const std::string& path) {
  std::string command = "\"" + path + "\" /UNREGSERVER";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    Refused(path, Format("it cannot be started (error %d)", static_cast<int>(GetLastError())));
  }
  TUniqueKernelHandle process_handle(process.hProcess);
  TUniqueKernelHandle thread_handle(process.hThread);
  if (WaitForSingleObject(process.hProcess, kServerTimeoutMs) != WAIT_OBJECT_0) {
    Refused(path, "it did not end after /UNREGSERVER");
  }
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  if (exit_code != 0) Refused(path, Format("it ended with exit code %d after /UNREGSERVER", static_cast<int>(exit_code)));
}

std::wstring Wide(const std::string& text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
  wide.resize(wide.size() - 1);
  return wide;
}

// HKEY_CLASSES_ROOT\TypeLib\{guid}\major.minor, versions in hexadecimal.
bool TypeLibraryRegistered(const TLIBATTR& attributes) {
  wchar_t guid[64] = {};
  if (!StringFromGUID2(attributes.guid, guid, 64)) return false;
  char narrow[64] = {};
  WideCharToMultiByte(CP_ACP, 0, guid, -1, narrow, sizeof narrow, nullptr, nullptr);
  std::string key = Format("TypeLib\\%s\\%x.%x", narrow, static_cast<unsigned>(attributes.wMajorVerNum),
                           static_cast<unsigned>(attributes.wMinorVerNum));
  TUniqueKey opened;
  return RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, opened.Receive()) == ERROR_SUCCESS;
}

void UnregisterTypeLibrary(const std::string& path) {
  TOleScope ole;
  TComPtr<ITypeLib> library;
  HRESULT loaded = LoadTypeLib(Wide(path).c_str(), library.Receive());
  if (FAILED(loaded)) Refused(path, Format("LoadTypeLib answered %x", static_cast<unsigned>(loaded)));
  TLIBATTR* attributes = nullptr;
  HRESULT described = library->GetLibAttr(&attributes);
  if (FAILED(described)) Refused(path, Format("GetLibAttr answered %x", static_cast<unsigned>(described)));
  // A library that is no longer registered is what was asked for; the
  // system would refuse to unregister it.
  HRESULT result = S_OK;
  if (TypeLibraryRegistered(*attributes)) {
    result = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                               attributes->lcid, attributes->syskind);
  }
  library->ReleaseTLibAttr(attributes);
  if (FAILED(result)) Refused(path, Format("UnRegisterTypeLib answered %x", static_cast<unsigned>(result)));
}
}  // namespace

void UnregisterActiveX(const std::string& path, TActiveXKind kind) {
  TCurrentDirectoryScope directory(RemoveBackslash(ExtractFileDir(path)));
  switch (kind) {
    case axLibrary: return UnregisterLibrary(path);
    case axExeServer: return UnregisterExeServer(path);
    case axTypeLibrary: return UnregisterTypeLibrary(path);
  }
}

}  // namespace vorlan
