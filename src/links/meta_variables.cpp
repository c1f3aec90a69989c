#include "links/meta_variables.h"

#include <cctype>

#include "base/strings.h"
#include "links/custom_install_shell_link.h"
#include "links/link_exceptions.h"
#include "objects/install_engine.h"
#include "paths/shell_folders.h"
#include "system/system_dirs.h"

namespace vorlan {

namespace {
TCustomInstallShellLink& RequireLink(TCustomInstallShellLink* link, char escape) {
  if (!link) {
    throw EAICannotExpandContainerDirMV(std::string("Cannot expand the %") + escape +
                                        " meta variable because the component is Nil");
  }
  return *link;
}

std::string ContainerDir(TCustomInstallShellLink* link) {
  TInstallContainer* container = RequireLink(link, 'c').Container();
  if (!container) {
    throw EAICannotExpandContainerDirMV("Cannot expand the %c meta variable because the Container property is Nil");
  }
  return container->GetDestinationPath();
}

std::string InstallDir() {
  TInstallEngine* engine = TheInstall();
  if (!engine) {
    throw EAICannotExpandInstallDirMV("Cannot expand the %i meta variable because there is no TInstall component");
  }
  return engine->AsInstallObject().GetDestinationPath();
}

// The text of one escape; empty for one that means nothing.
std::string Expansion(char escape, TCustomInstallShellLink* link) {
  switch (std::tolower(static_cast<unsigned char>(escape))) {
    case 'a': return RemoveBackslash(RequireLink(link, 'a').GetDestinationPath());
    case 'b': return RemoveBackslash(GetProgramsMenuDir());
    case 'c': return RemoveBackslash(ContainerDir(link));
    case 'd': return RemoveBackslash(GetDesktopDir());
    case 'f': return RemoveBackslash(GetCommonFilesDir());
    case 'i': return RemoveBackslash(InstallDir());
    case 'm': return RemoveBackslash(GetStartMenuDir());
    case 'p': return RemoveBackslash(GetProgramFilesDir());
    case 's': return RemoveBackslash(GetSystemDir());
    case 'w': return RemoveBackslash(GetWindowsDir());
    case '%': return "%";
    default: return {};
  }
}
}  // namespace

std::string ExpandMetaVariables(const std::string& text, TCustomInstallShellLink* link) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      result += text[i];
    } else if (++i < text.size()) {
      result += Expansion(text[i], link);
    }
  }
  return result;
}

}  // namespace vorlan
