#pragma once
// TFloppyTransfer: the engine's floppy mode (-f). The self-extracting setup
// this program was started from goes onto disks: disk 1 gets the loading
// program as setup.exe, the setup archive and the first part of the main
// archive; every further disk the next part, for as long as the user
// supplies disks.

#include <cstdint>
#include <string>

namespace vorlan {

class TCustomInstall;
struct SelfExtractInfo;

class TFloppyTransfer {
 public:
  // engine: the switches, the archive and the notifications of the run;
  // it outlives the transfer.
  explicit TFloppyTransfer(TCustomInstall& engine) : engine_(engine) {}

  // Copies onto floppy disks in drive ("a:"); a failure is shown. Either
  // way the application then ends.
  void Transfer(const std::string& drive);
  // Asks for disk number disk in an OK/Cancel box; Cancel raises IEInstall.
  static void PromptForFloppy(int disk);
  // Whether info, the record at the end of an executable of size bytes,
  // places its archives one after the other between the loading program
  // and itself.
  static bool LocatesItsArchives(const SelfExtractInfo& info, int64_t size);

 private:
  void CopySetupPart(const std::string& executable, const SelfExtractInfo& info, const std::string& drive);
  void SpanFilesOntoFloppies(const std::string& executable, const std::string& drive, int32_t files_start);

  TCustomInstall& engine_;
};

}  // namespace vorlan
