#include "system/hard_link.h"

#include <windows.h>

#include "system/system_exceptions.h"
#include "system/unique_handle.h"

namespace vorlan {

bool CreateHardLinkFile(const std::string& new_link, const std::string& existing_file,
                        _SECURITY_ATTRIBUTES* security) {
  // Windows 9x has no hard links: the function is looked up, not linked.
  TUniqueModule kernel(LoadLibraryA("kernel32.dll"));
  if (!kernel) throw IEInstallHardLink("Could not create hardlink for %s", "from unloadable Kernel32");
  using TCreateHardLinkA = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPSECURITY_ATTRIBUTES);
  auto create = reinterpret_cast<TCreateHardLinkA>(
      reinterpret_cast<void*>(GetProcAddress(kernel.Get(), "CreateHardLinkA")));
  if (!create) throw IEInstallHardLink("Could not create hardlink for %s", "Kernel32");
  return create(new_link.c_str(), existing_file.c_str(), security) != FALSE;
}

}  // namespace vorlan
