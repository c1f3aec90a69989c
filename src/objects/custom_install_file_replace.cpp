// Replacing a destination file that is in use: the new file arrives under a
// free name beside it and the system moves it into place at its next start.

#include <windows.h>

#include "base/file.h"
#include "base/strings.h"
#include "objects/custom_install_file.h"
#include "objects/install_engine.h"
#include "system/os_version.h"
#include "system/registry_routines.h"
#include "system/system_dirs.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
// Whether the file could be replaced now: nothing else holds it open. The
// old file is kept until the extraction has the new one complete, so a
// failed extraction (a corrupt archive, a full disk) does not lose it.
bool Replaceable(const std::string& path) {
  TUniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.Valid();
}
}  // namespace

void TCustomInstallFile::ReplaceInUse() {
  on_replacing_(this);
  Broadcast(this, stage::kReplacingFile, {.file = this});
  Inform(info_code::kFileReplacing);
  will_copy_ = true;
  std::string target = GetInstalledPath();
  if (destination_claimed_ || !FileExists(target) || Replaceable(target)) return;
  replaced_at_reboot_ = true;
  std::string directory = AddBackslash(GetDestinationPath());
  std::string candidate = dest_name_;
  for (int n = 1;; ++n) {
    candidate = ChangeFileExt(candidate, "." + IntToStr(n));
    if (!FileExists(directory + candidate)) break;
  }
  SetDestName(candidate);
  ScheduleReplacement(target, directory + candidate);
}

// target is in use; new_path is where the new file will be written.
void TCustomInstallFile::ScheduleReplacement(const std::string& target, const std::string& new_path) {
  std::string short_target = GetShortPath(target);
  std::string short_new = AddBackslash(GetShortPath(ExtractFileDir(new_path))) + ExtractFileName(new_path);
  TInstallEngine* engine = TheInstall();
  if (IsWindows9xFamily()) {
    std::string wininit = AddBackslash(GetWindowsDir()) + "WININIT.INI";
    WritePrivateProfileStringA("Rename", short_target.c_str(), short_new.c_str(), wininit.c_str());
    if (engine) engine->SetReboot(true);
    return;
  }
  if (engine) engine->SetReboot(true);
  if (MoveFileExA(new_path.c_str(), target.c_str(), MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING) ||
      !engine) {
    return;
  }
  std::string batch = ChangeFileExt(CreateTempFileName(false), ".bat");
  {
    TFileStream stream(batch, TFileMode::Create);
    std::string lines = "erase " + short_target + "\r\nmove " + short_new + " " + short_target + "\r\n";
    stream.Write(lines.data(), lines.size());
  }
  engine->AddUnfinishedEntry(batch, 1);
  if (!AddRunOnceEntry("VorlanBatFile", batch, true)) {
    throw IECustomInstallFile("%s cannot register a routine in the register to move the files after the computer "
                              "is reboot",
                              Name());
  }
}

}  // namespace vorlan
