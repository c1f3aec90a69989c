#pragma once
// Hard links, where the system has them.

#include <string>

struct _SECURITY_ATTRIBUTES;

namespace vorlan {

// Answers whether new_link now names existing_file. Raises IEInstallHardLink
// "Could not create hardlink for %s" when the system lacks hard links.
bool CreateHardLinkFile(const std::string& new_link, const std::string& existing_file,
                        _SECURITY_ATTRIBUTES* security = nullptr);

}  // namespace vorlan
