#include "objects/install_types.h"

namespace vorlan {

const TEnumInfo& InstallTypeInfo() {
  static const TEnumInfo info("TInstallType", {"itFull", "itDefault", "itCompact", "itCustom"});
  return info;
}

const TEnumInfo& OSVerTypeInfo() {
  static const TEnumInfo info("TOSVerType", {"os31win32", "oswin95", "oswinNT", "oswinNT351", "osUnidentified",
                                             "osLinux", "oswin2K", "oswin98", "oswinME", "oswinXP"});
  return info;
}

}  // namespace vorlan
