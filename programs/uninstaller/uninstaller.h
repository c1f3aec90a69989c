#pragma once
// TUninstaller: removes what an installation of one product wrote, as the
// records under its Add/Remove Programs entry list it (HKEY_LOCAL_MACHINE
// \Software\Microsoft\Windows\CurrentVersion\Uninstall\<product>, layout in
// system/uninstall_records.h):
//
//   ActiveX                  Entries, File1 ... "path;kind"   unregistered, then deleted
//   RegistryKeys\RegistryKeyN  Key, Root, Entries\<names>     values deleted, key when empty
//   Files, Files1 ...        Entries, File1 ... "path"        files and links deleted
//   Directories              Entries, Directory1 ... "path"   removed once empty
//
// and then the entry itself. An entry without "Directories", written
// before the installation recorded them, has the directories that held a
// removed file go once empty instead. A problem does not stop the rest;
// with one, the entry stays so that another run can finish the work.

#include <string>
#include <vector>

#include "file_remover.h"

namespace vorlan {

class TUninstaller {
 public:
  explicit TUninstaller(std::string product);

  const std::string& Product() const { return product_; }
  bool Installed() const;
  // The program the entry starts, without the product name.
  std::string EntryProgram() const;

  void Remove();
  const std::vector<std::string>& Problems() const { return problems_; }
  // After Remove: the directories to remove once the program has gone, as
  // they still hold it.
  std::vector<std::string> DirectoriesOf(const std::string& program) const;
  bool RestartNeeded() const { return files_.RestartNeeded(); }

 private:
  void RemoveActiveX();
  bool RemoveActiveXRecord(const std::string& record);
  void RemoveRegistryRecords();
  void RemoveFiles();
  bool RemoveFile(const std::string& path);
  void RemoveDirectories();

  std::string product_;
  std::string key_;
  TFileRemover files_;
  std::vector<std::string> problems_;
  bool directories_recorded_ = false;
  std::vector<std::string> directories_left_;
};

}  // namespace vorlan
