#include "paths/special_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "system/co_task_memory.h"

namespace vorlan {

namespace {

// A drive or server path. Some shells answer a virtual folder with its
// parsing name ("::{...}") instead of failing; files must never go there.
bool IsFileSystemPath(const std::string& path) {
  char letter = static_cast<char>(path.empty() ? 0 : path[0] | 0x20);
  bool drive = path.size() >= 3 && letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
  return drive || path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string GetSpecialFolderPath(int csidl) {
  TUniqueCoTaskMem<ITEMIDLIST> list;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.Receive())) || !list) return {};
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(list.Get(), path) || !IsFileSystemPath(path)) return {};
  return path;
}

}  // namespace vorlan
