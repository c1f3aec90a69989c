#include "restart_deletion.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "base/strings.h"
#include "system/os_version.h"
#include "system/system_dirs.h"

namespace vorlan {

namespace {
bool Windows9xFamily() {
  TOSVerType os = GetOSVersionType();
  return os == oswin95 || os == oswin98 || os == oswinME;
}

// "NUL=file" in [Rename] deletes the file. The profile functions keep one
// value per key, so the line is put in by hand beside any others.
bool AddWininitDeletion(const std::string& wininit, const std::string& short_path) {
  std::string text;
  {
    std::ifstream in(wininit, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
  }
  std::string line = "NUL=" + short_path + "\r\n";
  size_t section = UpperCase(text).find("[RENAME]");
  if (section == std::string::npos) {
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += "[Rename]\r\n" + line;
  } else {
    size_t line_end = text.find('\n', section);
    if (line_end == std::string::npos) {
      text += "\r\n" + line;
    } else {
      text.insert(line_end + 1, line);
    }
  }
  std::ofstream out(wininit, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}
}  // namespace

bool DeleteAtRestart(const std::string& path) {
  if (!Windows9xFamily()) return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
  std::string wininit = AddBackslash(GetWindowsDir()) + "WININIT.INI";
  std::string short_path = GetShortPath(path);
  if (short_path.empty()) return false;
  return AddWininitDeletion(wininit, short_path);
}

bool DeleteDirectoryAtRestart(const std::string& path) {
  return !Windows9xFamily() && MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

}  // namespace vorlan
