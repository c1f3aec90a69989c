#pragma once
// A short numbered list of uninstall records under a product's entry
// (system/uninstall_records.h) that names each thing once: the
// self-registering files, the directories the installation created, the
// shared files it counted. Each call reads the list anew; the "Files" list,
// with a record for every file, keeps its own (uninstall_file_list.h).

#include <functional>
#include <string>
#include <vector>

namespace vorlan {

class TUninstallRecordList {
 public:
  // The part of a record that names its thing.
  using TIdentity = std::function<std::string(const std::string& record)>;

  // key: the list's key below HKEY_LOCAL_MACHINE; identity: the whole
  // record when none is given.
  TUninstallRecordList(std::string key, std::string stem, TIdentity identity = nullptr);

  // Whether a record names the same thing (compared without regard to case).
  bool Lists(const std::string& record) const;
  // Appends the record as the next numbered value and counts it, unless the
  // list names its thing already; raises the registry's write error.
  void Add(const std::string& record);
  // The list's key, with "Entries" "0" when it holds none yet.
  void Create();

 private:
  std::string Identity(const std::string& record) const;

  std::string key_;
  std::string stem_;
  TIdentity identity_;
};

}  // namespace vorlan
