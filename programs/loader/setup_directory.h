#pragma once
// TSetupDirectory: the new temporary directory the setup program runs from.
// Until it is handed to the setup program (which deletes it at its end, or
// after the reboot it may still need it for), it is removed with its files
// when the object goes, so a failed start leaves nothing behind.

#include <string>

#include "setup_archive.h"

namespace vorlan {

class TSetupDirectory {
 public:
  // Raises ELoaderError when no directory can be made.
  TSetupDirectory();
  ~TSetupDirectory();
  TSetupDirectory(const TSetupDirectory&) = delete;
  TSetupDirectory& operator=(const TSetupDirectory&) = delete;

  const std::string& Path() const { return path_; }
  // Unpacks every member of the archive into the directory and answers the
  // path of the first, the setup program. Raises ELoaderError.
  std::string Unpack(const TSetupArchive& archive);
  void HandOver() { kept_ = true; }

 private:
  void Remove();

  std::string path_;
  bool kept_ = false;
};

}  // namespace vorlan
