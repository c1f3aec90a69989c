#include "system/system_dirs.h"

#include <windows.h>

#include <vector>

#include "system/system_exceptions.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
// Calls a "fill this buffer, answer the length" function, growing the buffer
// when the answer does not fit; empty on failure.
template <typename Call>
std::string BufferedText(Call call) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    UINT length = call(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
}
}  // namespace

std::string GetSystemDir() {
  std::string dir = BufferedText([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
  if (dir.empty()) throw EAPIRoutines("Could not retrieve the system directroy from windows");
  return dir;
}

std::string GetWindowsDir() {
  std::string dir = BufferedText([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
  if (dir.empty()) throw EAPIRoutines("Could not retrieve the windows directory from windows");
  return dir;
}

std::string CreateTempFileName(bool keep) {
  std::string dir = BufferedText([](char* b, UINT n) { return GetTempPathA(n, b); });
  char name[MAX_PATH];
  if (dir.empty() || GetTempFileNameA(dir.c_str(), "bat", 0, name) == 0) {
    throw EAPIRoutines("Cannot create a temporary file");
  }
  if (!keep) DeleteFileA(name);
  return name;
}

std::string GetShortPath(const std::string& path) {
  return BufferedText([&](char* b, UINT n) { return GetShortPathNameA(path.c_str(), b, n); });
}

std::string LoadLibraryString(const std::string& library, unsigned id) {
  // As data only: nothing of the library runs for one string.
  TUniqueModule module(LoadLibraryExA(library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return {};
  std::vector<char> buffer(4097);
  int length = LoadStringA(module.Get(), id, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace vorlan
