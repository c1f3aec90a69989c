// Writing a shortcut: a .LNK through the shell's link object, an NTFS hard
// link, or an internet shortcut.

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"
#include "links/custom_install_shell_link.h"
#include "links/link_directory.h"
#include "links/link_exceptions.h"
#include "links/meta_variables.h"
#include "system/com_ptr.h"
#include "system/hard_link.h"

namespace vorlan {

namespace {
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr int kLinkNameChars = 260;

// A failed call of the shell's link object.
class EShellLinkCall {
 public:
  explicit EShellLinkCall(HRESULT result) : result_(result) {}
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

void Check(HRESULT result) {
  if (FAILED(result)) throw EShellLinkCall(result);
}


std::string ResultText(HRESULT result) {
  switch (static_cast<uint32_t>(result)) {
    case 0: return {};
    case 0x8000FFFF: return TranslateMessage("Indicates an unexpected error occurred");
    case 0x80040110: return TranslateMessage("Indicates this class cannot be created as part of an aggregate");
    case 0x80040154:
      return TranslateMessage("Indicates that a specified class is not registered in the registration database");
    case 0x8007000E: return TranslateMessage("Out of memory");
    case 0x80070057: return TranslateMessage("Indicates one or more arguments are invalid");
    default: return ComErrorText(result);
  }
}

std::wstring LinkFileNameW(const std::string& name) {
  wchar_t buffer[kLinkNameChars] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, buffer, kLinkNameChars)) {
    throw EShellLinkCall(HRESULT_FROM_WIN32(GetLastError()));
  }
  return buffer;
}
}  // namespace

void TCustomInstallShellLink::InitializeCom() {
  if (com_ready_) return;
  HRESULT result = CoInitialize(nullptr);
  if (result != S_OK && result != S_FALSE) {
    throw IEInstallShellLink("Could not initialize IShellLink with following error code returned: %d",
                             static_cast<int>(result));
  }
  com_ready_ = true;
}

void TCustomInstallShellLink::WriteLinkFile() {
  com_ready_ = true;
  ForceLinkDirectory(*this, GetDestinationPath());
  std::string file_name = GetLinkFileName();
  bool existed = FileExists(file_name);
  try {
    std::string arguments = ExpandMetaVariables(parameters_, this);
    std::string target = GetTargetPath();
    TComPtr<IShellLinkA> link;
    Check(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA, link.ReceiveVoid()));
    Check(link->SetPath(target.c_str()));
    Check(link->SetHotkey(hot_key_));
    Check(link->SetArguments(arguments.c_str()));
    std::string working = Trim(working_dir_).empty() ? RemoveBackslash(ExtractFileDir(target)) : working_dir_;
    Check(link->SetWorkingDirectory(working.c_str()));
    if (!Trim(icon_file_path_).empty()) Check(link->SetIconLocation(icon_file_path_.c_str(), icon_index_));
    TComPtr<IPersistFile> file;
    Check(link->QueryInterface(kPersistFile, file.ReceiveVoid()));
    std::wstring wide_name = LinkFileNameW(file_name);
    HRESULT saved = file->Save(wide_name.c_str(), TRUE);
    // A failed save may leave part of a file behind.
    if (FAILED(saved) && !existed) DeleteFileA(file_name.c_str());
    Check(saved);
  } catch (const EShellLinkCall& failure) {
    throw IEInstallShellLink(
        "The TCustomInstallShellLink %s name could not be installed. The following error was reported %s. Error "
        "code %d",
        Name(), ResultText(failure.Result()), static_cast<int>(failure.Result()));
  } catch (const Exception& error) {
    throw IEInstallShellLink(
        "The TCustomInstallShellLink %s name could not be installed. The following error was reported %s", Name(),
        error.Message());
  }
}

void TCustomInstallShellLink::WriteHardLink() {
  ForceLinkDirectory(*this, GetDestinationPath());
  SECURITY_ATTRIBUTES security = {sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
  if (!CreateHardLinkFile(GetLinkFileName(), GetTargetPath(), &security)) {
    throw IEInstallShellLink("Could not create hardlink for %s", Name());
  }
}

void TCustomInstallShellLink::WriteInternetShortcut() {
  ForceLinkDirectory(*this, GetDestinationPath());
  std::string file_name = GetLinkFileName();
  if (!WritePrivateProfileStringA("InternetShortcut", "URL", object_location_.c_str(), file_name.c_str())) {
    throw IEInstallShellLink("Could not write the internet shortcut %s for %s", file_name, Name());
  }
}

}  // namespace vorlan
