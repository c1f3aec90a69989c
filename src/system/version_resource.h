#pragma once
// TVersionResource: a component that reads one file's version resource, and
// the newer-file rule every overwrite decision rests on.

#include <cstdint>
#include <string>

#include "archive/file_newer.h"
#include "base/date_time.h"
#include "component/component.h"
#include "system/version_info.h"

namespace vorlan {

class TVersionResource : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  // Reads the running program's own version resource.
  explicit TVersionResource(TComponent* owner);

  // Each setter re-reads the version resource.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& value);
  TLanguage Language() const { return language_; }
  void SetLanguage(TLanguage value);
  TCharacterSet CharacterSet() const { return character_set_; }
  void SetCharacterSet(TCharacterSet value);

  const TVersionInfo& VersionInfo() const { return version_info_; }

  // Re-reads every field from FileName.
  void ReadVersionInfo();

  // Whether a new file of new_version and new_date should replace
  // existing_file by rule (the rules and CompareVersions are the archive's);
  // the existing file is read through the shared instance.
  static TFileNewerResult IsFileNewer(const std::string& new_version, const std::string& existing_file,
                                      TOverwriteType rule, TDateTime new_date);
  // The same with both versions and dates read from the files.
  static TFileNewerResult IsFileNewerByName(const std::string& new_file, const std::string& existing_file,
                                            TOverwriteType rule);

  // The path of the running program: the default FileName.
  static std::string ProgramPath();

 private:
  std::string file_name_;
  TLanguage language_ = lnUSEnglish;
  TCharacterSet character_set_ = csMultilingual;
  TVersionInfo version_info_;
};

// The one instance the class operations share: created by the program's
// start-up, or on first use when absent, and freed at its end.
TVersionResource& SharedVersionResource();
void CreateSharedVersionResource();
void FreeSharedVersionResource();

}  // namespace vorlan
