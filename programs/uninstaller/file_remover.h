#pragma once
// Deletes the files an installation wrote: a shared library only when no
// other product counts on it, a file in use at the next start of Windows.
// The directories that held a deleted file go too once they are empty.

#include <map>
#include <string>

namespace vorlan {

enum class TFileRemoval { frDeleted, frMissing, frStillShared, frAtRestart };

class TFileRemover {
 public:
  // Raises EUninstallError when the file can neither be deleted nor be
  // left to the restart; its counter is then kept as it was.
  TFileRemoval Remove(const std::string& path);
  // Deepest first, so that a directory that also held an emptied one goes
  // as well; never a folder of Windows or of the user.
  void RemoveEmptyDirectories();
  bool RestartNeeded() const { return restart_needed_; }

 private:
  // By upper-cased path: the directory, and whether a file in it waits for
  // the restart.
  std::map<std::string, std::pair<std::string, bool>> directories_;
  bool restart_needed_ = false;
};

}  // namespace vorlan
