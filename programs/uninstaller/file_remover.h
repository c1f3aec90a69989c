#pragma once
// Deletes the files an installation wrote: a shared library only when no
// other product counts on it, a file in use at the next start of Windows;
// then the directories it is given once they are empty.

#include <map>
#include <string>
#include <vector>

namespace vorlan {

enum class TFileRemoval { frDeleted, frMissing, frStillShared, frAtRestart };

class TFileRemover {
 public:
  // Raises EUninstallError when the file can neither be deleted nor be
  // left to the restart; its counter is then kept as it was.
  TFileRemoval Remove(const std::string& path);
  // The directories that held a file given to Remove.
  std::vector<std::string> HeldDirectories() const;
  // Deepest first, so that a directory that held only emptied ones goes as
  // well; never a folder of Windows or of the user. One that still holds
  // what goes at the restart goes after it. Answers the directories that
  // are still there.
  std::vector<std::string> RemoveEmptyDirectories(std::vector<std::string> directories);
  bool RestartNeeded() const { return restart_needed_; }

 private:
  // By upper-cased path: the directory, and whether a file in it waits for
  // the restart.
  std::map<std::string, std::pair<std::string, bool>> directories_;
  bool restart_needed_ = false;
};

}  // namespace vorlan
