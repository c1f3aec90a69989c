// What an installed file registers with the system: the help-file list, the
// shared-library counter, COM self-registration, and the records the
// uninstaller reads.

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include "base/file.h"
#include "base/strings.h"
#include "objects/custom_install_file.h"
#include "objects/install_engine.h"
#include "objects/objects_module.h"
#include "objects/uninstall_file_list.h"
#include "objects/uninstall_record_list.h"
#include "system/com_ptr.h"
#include "system/current_directory_scope.h"
#include "system/ole_scope.h"
#include "system/program_launcher.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"
#include "system/system_exceptions.h"
#include "system/uninstall_records.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
constexpr const char* kHelpKey = "\\SOFTWARE\\Microsoft\\Windows\\Help";
constexpr const char* kSharedDLLsKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

void CheckCom(HRESULT result) {
  if (FAILED(result)) throw EOleSysError(ComErrorText(result));
}

std::wstring Wide(const std::string& text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
  wide.resize(wide.size() - 1);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  if (!text) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}
}  // namespace

void TCustomInstallFile::AfterCopyRegistration() {
  if (register_as_help_) WriteRegString(hkLocalMachine, kHelpKey, UpperCase(dest_name_), GetDestinationPath());
  if (update_dll_counter_) CountSharedUse();
  TInstallEngine* engine = TheInstall();
  if (replaced_at_reboot_ && engine) return engine->AddUnfinishedEntry(Name(), 0);
  if (!active_x_) return;
  try {
    RegisterActiveX();
  } catch (const Exception&) {
    if (ObjectsState().strict_registration) throw;
    if (!DeferredRegistrationFiles().Contains(this)) DeferredRegistrationFiles().Add(this);
  }
}

void TCustomInstallFile::RegisterActiveX() {
  std::string extension = UpperCase(ExtractFileExt(file_name_));
  if (extension == ".EXE") return RegisterExeServer();
  if (extension == ".TLB") return RegisterTypeLibrary();
  RegisterInprocServer();
}

std::string TCustomInstallFile::RegistrationTarget() {
  std::string target = GetInstalledPath();
  if (Trim(GetDestinationPath()).empty() || !FileExists(target)) {
    throw IECustomInstallFile(
        "Cannot compress,copy, or install the following file because it's destination directory is blank. File "
        "is :%s",
        Name());
  }
  return target;
}

void TCustomInstallFile::RegisterInprocServer() {
  std::string target = RegistrationTarget();
  TOleScope ole;
  TCurrentDirectoryScope directory(GetDestinationPath());
  TUniqueModule library(LoadLibraryA(target.c_str()));
  if (!library) {
    throw IECustomInstallFile(
        "Could not register the ActiveX component, %s, because the LoadLibrary(%s) procedure returned a value of "
        "0. The file component is %s. The following value is the value of the GetLastError function: %d",
        target, target, Name(), static_cast<int>(GetLastError()));
  }
  using TRegisterServer = HRESULT(WINAPI*)();
  auto register_server = reinterpret_cast<TRegisterServer>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), "DllRegisterServer")));
  if (!register_server) {
    throw IECustomInstallFile(
        "Could not register the ActiveX component, %s, because the DllRegisterServer function could not be found. "
        "The file component is %s. The following value is the value of the GetLastError function: %d",
        target, Name(), static_cast<int>(GetLastError()));
  }
  HRESULT result = register_server();
  if (result != S_OK) {
    throw IECustomInstallFile(
        "Could not register the ActiveX component, %s, because the DllRegisterServer function returned a value of "
        "%d. The file component is %s",
        target, static_cast<int>(result), Name());
  }
}

void TCustomInstallFile::RegisterTypeLibrary() {
  std::string target = RegistrationTarget();
  TOleScope ole;
  TCurrentDirectoryScope directory(GetDestinationPath());
  std::wstring wide_target = Wide(target);
  TComPtr<ITypeLib> library;
  CheckCom(LoadTypeLib(wide_target.c_str(), library.Receive()));
  TLIBATTR* attributes = nullptr;
  CheckCom(library->GetLibAttr(&attributes));
  BSTR help_file = nullptr;
  HRESULT documented = library->GetDocumentation(-1, nullptr, nullptr, nullptr, &help_file);
  std::string help = SUCCEEDED(documented) ? Narrow(help_file) : std::string();
  SysFreeString(help_file);
  std::wstring help_dir = Wide(ExtractFileDir(help));
  HRESULT registered =
      RegisterTypeLib(library.Get(), wide_target.data(), help_dir.empty() ? nullptr : help_dir.data());
  library->ReleaseTLibAttr(attributes);
  CheckCom(registered);
}

void TCustomInstallFile::RegisterExeServer() {
  std::string target = RegistrationTarget();
  TCurrentDirectoryScope directory(GetDestinationPath());
  TProgramLauncher launcher(nullptr);
  launcher.SetFileName(target);
  // The launcher's parameters are the whole command line; a server reads
  // its switches after its own name, as Windows starts it.
  launcher.SetParameters("\"" + target + "\" /REGSERVER");
  launcher.SetShowMode(smHide);
  launcher.Execute();
}

// A product counts its use of a shared file once, however often it is
// installed: its one uninstall counts it down once, and the counts of other
// products stay theirs. Without records to remember it by, every install
// counts.
void TCustomInstallFile::CountSharedUse() {
  TInstallEngine* engine = TheInstall();
  if (!engine || !Uninstall()) {
    UpdateDLLCount();
    return;
  }
  std::string path = GetInstalledPath();
  std::string key = AddBackslash(kUninstallKeyPrefix + engine->ProductName()) + uninstall_record::kSharedDLLs;
  TUninstallRecordList counted(key, uninstall_record::kFile);
  if (counted.Lists(path)) return;
  UpdateDLLCount();
  counted.Add(path);
}

bool TCustomInstallFile::UpdateDLLCount() {
  std::string full = GetInstalledPath();
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  bool opened = false;
  try {
    opened = registry.OpenKey(kSharedDLLsKey, true);
  } catch (const Exception&) {
  }
  if (!opened) {
    throw IECustomInstallFile(
        "Could not open the key SharedDLLs key in the registry. File component %s. GetLastError return: %d", Name(),
        static_cast<int>(GetLastError()));
  }
  std::string short_name = GetShortPath(full);
  try {
    std::optional<int32_t> count = registry.ReadInteger(short_name);
    if (short_name.empty() || !count) throw ERegistryException("no counter under the short name");
    registry.WriteInteger(short_name, *count + 1);
  } catch (const Exception&) {
    registry.WriteInteger(full, registry.ReadInteger(full).value_or(0) + 1);
  }
  return true;
}

void TCustomInstallFile::RegisterUninstall(const std::string& key) {
  std::string path = GetInstalledPath();
  if (active_x_) {
    std::string extension = UpperCase(ExtractFileExt(file_name_));
    std::string kind = extension == ".TLB" ? "2" : extension == ".EXE" ? "1" : "0";
    TUninstallRecordList(AddBackslash(key) + uninstall_record::kActiveX, uninstall_record::kFile, ActiveXRecordPath)
        .Add(path + ";" + kind);
    return;
  }
  AddUninstallFileRecord(key, path);
}

void TCustomInstallFile::ResumeUnfinished() {
  if (active_x_) RegisterActiveX();
  SetFileAttributeSet(GetInstalledPath(), install_attributes_);
}

}  // namespace vorlan
