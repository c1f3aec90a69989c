#pragma once
// TInstallRecord: this setup's record among the install records of every
// setup on the machine (HKEY_LOCAL_MACHINE), with what a run keeps in it
// for the run after a reboot: the unfinished list, the language, and the
// RunOnce command that starts that run.

#include <string>

#include "base/date_time.h"
#include "base/strings.h"

namespace vorlan {

// Where the install records of every setup on the machine are kept
// (HKEY_LOCAL_MACHINE), and the maker's key above them.
inline constexpr const char* kInstallRecordRoot = "\\SOFTWARE\\Kavix\\Install";
inline constexpr const char* kInstallRecordMakerKey = "\\Software\\Vorlan";

class TInstallRecord {
 public:
  // root and maker_key: below HKEY_LOCAL_MACHINE; the maker's key goes with
  // the root when both are left empty. key: the current record's full path,
  // empty while there is none; the install objects read it too.
  // start_time: the run's start, stored as the record's last run.
  TInstallRecord(std::string root, std::string maker_key, std::string& key, const TDateTime& start_time);

  // The record of program, recognised by the file's size and last-write
  // time wherever it lies, created when asked and missing; answers whether
  // there is one, with its full key path. A new record keeps self_extract
  // (the self-extracting executable's path) when not blank.
  bool Find(const std::string& program, const std::string& self_extract, bool create, std::string& key) const;
  // Find, and the answer becomes the current record.
  void Open(const std::string& program, const std::string& self_extract, bool create);
  // Deletes the current record with the local archive copies it names.
  void Remove();

  // The unfinished list raises IEInstall while there is no record.
  void ClearUnfinishedList();
  void AddUnfinishedEntry(const std::string& name, int kind);
  // Lines of an entry's name, ";" and its kind; list is emptied first,
  // also when there is no record.
  void ReadUnfinishedList(TStringList& list) const;
  // The entries added since the count was reset.
  int UnfinishedCount() const { return unfinished_count_; }
  void ResetUnfinishedCount() { unfinished_count_ = 0; }

  // The language the record saved, else current.
  int ReadLanguage(int current) const;
  // Raises IEInstall while there is no record.
  void WriteLanguage(int language);

  // The command that starts the after-reboot run of program (-r), telling it
  // where the loading program lies; raises IEInstall when the RunOnce key
  // cannot be written.
  static std::string RunOnceCommand(const std::string& program, const std::string& loading_program,
                                    bool self_extract, bool cleanup);
  static void RegisterRunOnce(const std::string& command);

 private:
  std::string UnfinishedKey() const;

  std::string root_;
  std::string maker_key_;
  std::string& key_;
  const TDateTime& start_time_;
  int unfinished_count_ = 0;
};

}  // namespace vorlan
