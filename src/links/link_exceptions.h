#pragma once
// The errors of shortcuts, program-menu folders and their lists.

#include <string>

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(IEInstallShellLink, IException);
VORLAN_EXCEPTION(IEShellLinkGroup, IException);
VORLAN_EXCEPTION(IEInstallShellLinkList, IException);

// A meta variable that cannot be expanded; the text is translated first.
class EAICannotExpandMetaVariable : public EAI {
 public:
  explicit EAICannotExpandMetaVariable(const std::string& message) : EAI(TranslateMessage(message)) {}
};
VORLAN_EXCEPTION(EAICannotExpandContainerDirMV, EAICannotExpandMetaVariable);
VORLAN_EXCEPTION(EAICannotExpandInstallDirMV, EAICannotExpandMetaVariable);

}  // namespace vorlan
