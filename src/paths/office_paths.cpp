#include "paths/office_paths.h"

#include <climits>
#include <optional>

#include "base/file.h"
#include "base/strings.h"
#include "paths/shell_folders.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {

bool KeepsSettings(int version) { return version >= 7 && version <= 19; }

// Word 7 and 8 keep the settings under the suite's own key; later ones
// are read from the policies that an administrator sets.
std::string SuiteKey(int version) {
  if (version == 7 || version == 8) return "\\Software\\Microsoft\\Office\\" + IntToStr(version) + ".0";
  if (KeepsSettings(version)) return "\\Software\\Policies\\Microsoft\\Office\\" + IntToStr(version) + ".0";
  return {};
}

std::string FileNewKeyOf(int version, const std::string& name) {
  std::string suite = SuiteKey(version);
  return suite.empty() ? suite : suite + "\\Common\\FileNew\\" + name;
}

std::string WordOptionsKeyOf(int version) {
  std::string suite = SuiteKey(version);
  return suite.empty() ? suite : suite + "\\Word\\Options";
}

std::string UnderProgramFiles(const std::string& sub_path) { return AddBackslash(GetProgramFilesDir()) + sub_path; }

std::string FileNewPathOf(int version, const std::string& name, const std::string& default_sub_path) {
  if (!KeepsSettings(version)) return UnderProgramFiles(default_sub_path);
  return ReadOfficePath(FileNewKeyOf(version, name), "", default_sub_path);
}

// The text after the second "." ("8" of Word.Document.8), or nothing.
std::optional<std::string> VersionText(const std::string& class_name) {
  size_t first = class_name.find('.');
  if (first == std::string::npos) return std::nullopt;
  size_t second = class_name.find('.', first + 1);
  if (second == std::string::npos) return std::nullopt;
  return class_name.substr(second + 1);
}

}  // namespace

int GetWordVersion() {
  std::string current = ReadRegString(hkClassesRoot, "\\Word.Document\\CurVer", "", "");
  if (current.empty()) return -1;
  std::optional<std::string> version = VersionText(current);
  if (!version) return -1;
  std::string server = ReadRegString(hkClassesRoot, "\\" + current + "\\protocol\\StdFileEditing\\server", "", "");
  if (server.empty() || !FileExists(server)) return -1;
  std::optional<int64_t> number = TryStrToInt(*version);
  if (!number || *number < INT_MIN || *number > INT_MAX) return -1;
  return static_cast<int>(*number);
}

std::string OfficeFileNewKey(const std::string& name) { return FileNewKeyOf(GetWordVersion(), name); }

std::string OfficeWordOptionsKey() { return WordOptionsKeyOf(GetWordVersion()); }

std::string ReadOfficePath(const std::string& key, const std::string& value_name,
                           const std::string& default_sub_path) {
  return RemoveBackslash(ReadRegString(hkCurrentUser, key, value_name, UnderProgramFiles(default_sub_path)));
}

std::string OfficeFileNewPath(const std::string& name, const std::string& default_sub_path) {
  return FileNewPathOf(GetWordVersion(), name, default_sub_path);
}

std::string OfficeWordOptionPath(const std::string& value_name, const std::string& default_sub_path) {
  int version = GetWordVersion();
  if (!KeepsSettings(version)) return UnderProgramFiles(default_sub_path);
  return ReadOfficePath(WordOptionsKeyOf(version), value_name, default_sub_path);
}

std::string OfficeWorkgroupTemplatesPath() {
  int version = GetWordVersion();
  std::string user_templates = FileNewPathOf(version, "LocalTemplates", "Microsoft Office\\Templates");
  if (!KeepsSettings(version)) return user_templates;
  // An empty setting names no folder, so it falls back as a missing one does
  // rather than send files to the root of the current drive.
  std::string shared = ReadRegString(hkCurrentUser, FileNewKeyOf(version, "SharedTemplates"), "", "");
  if (Trim(shared).empty()) return user_templates;
  return RemoveBackslash(shared);
}

}  // namespace vorlan
