#pragma once
// What a stage code or an information code carries: the file or container
// it concerns and the parameter object its code calls for, each in a field
// of its own type. The reporter fills in what the code needs and keeps the
// parameter objects alive while it reports; a receiver may change them
// (a disk's path, a status's totals). A code that carries nothing sends an
// empty report.

#include "objects/parameters.h"

namespace vorlan {

class TCustomInstallFile;
class TFileContainer;

struct TReport {
  TCustomInstallFile* file = nullptr;
  TFileContainer* container = nullptr;
  TFileStatusParameter* status = nullptr;
  TDiskParameter* disk = nullptr;
  TDownloadStatusParameter* download = nullptr;
  TMessageParameter* message = nullptr;
};

}  // namespace vorlan
