#include "objects/uninstall_file_list.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "system/registry_routines.h"

namespace vorlan {

namespace {
// Files, Files1, ... FilesN: a key that cannot be written is passed over,
// but not without end.
constexpr int kFilesKeyAttempts = 10;
}  // namespace

void AddUninstallFileRecord(const std::string& key, const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    std::string records = AddBackslash(key) + "Files" + (attempt ? IntToStr(attempt) : std::string());
    try {
      int n = static_cast<int>(StrToIntDef(ReadRegString(hkLocalMachine, records, "Entries", "0"), 0)) + 1;
      WriteRegString(hkLocalMachine, records, "File" + IntToStr(n), path);
      WriteRegString(hkLocalMachine, records, "Entries", IntToStr(n));
      return;
    } catch (const Exception&) {
      if (attempt + 1 >= kFilesKeyAttempts) throw;
    }
  }
}

}  // namespace vorlan
