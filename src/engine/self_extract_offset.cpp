// A setup started by its self-extracting executable reads its main archive
// from inside that executable.

#include "archive/self_extract_info.h"
#include "archive/vorlan_compress.h"
#include "engine/custom_install.h"
#include "objects/objects_module.h"

namespace vorlan {

void TCustomInstall::ReadSelfExtractOffset() {
  MainArchive().SetOffset(ReadSelfExtractInfo(GetArchivePath()).FilesArchiveStart);
}

}  // namespace vorlan
