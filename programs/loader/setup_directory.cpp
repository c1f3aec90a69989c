#include "setup_directory.h"

#include <windows.h>

#include "archive/vorlan_compress.h"
#include "base/format.h"
#include "base/strings.h"
#include "loader_error.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
std::string TempDir() {
  char temp[MAX_PATH + 1] = {};
  DWORD length = GetTempPathA(sizeof temp, temp);
  return length && length < sizeof temp ? RemoveBackslash(std::string(temp, length)) : std::string(".");
}
}  // namespace

TSetupDirectory::TSetupDirectory() {
  std::string base = AddBackslash(TempDir()) + Format("VorlanSetup%x-", GetCurrentProcessId());
  for (int n = 0; n < 1000; ++n) {
    std::string candidate = base + IntToStr(n);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw ELoaderError(Format(loader_error::kNoTempDirectory, TempDir(), LastErrorMessage()));
}

TSetupDirectory::~TSetupDirectory() {
  if (!kept_) Remove();
}

std::string TSetupDirectory::Unpack(const TSetupArchive& archive) {
  TVorlanCompress compress(nullptr);
  TStringList members;
  try {
    compress.SetCompressedFile(archive.Path);
    compress.SetOffset(archive.Offset);
    compress.ReadHeaders();
    const TFileHeaders& headers = compress.Headers();
    for (int i = 0; i < headers.Count(); ++i) members.push_back(headers.Header(i).Record().SourceName);
    if (members.empty()) throw ELoaderError(Format(loader_error::kEmptySetupArchive, archive.Path));
    compress.SetExtractDirectory(path_);
    compress.SetFilesToProcess(members);
    compress.Extract();
  } catch (const ELoaderError&) {
    throw;
  } catch (const std::exception& error) {
    throw ELoaderError(Format(loader_error::kUnpackFailed, archive.Path, error.what()));
  }
  return AddBackslash(path_) + ExtractFileName(members.front());
}

// The directory holds only the files unpacked into it.
void TSetupDirectory::Remove() {
  WIN32_FIND_DATAA found;
  {
    TUniqueFindHandle find(FindFirstFileA((AddBackslash(path_) + "*").c_str(), &found));
    for (bool more = find.Valid(); more; more = FindNextFileA(find.Get(), &found)) {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      std::string file = AddBackslash(path_) + found.cFileName;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
  }
  RemoveDirectoryA(path_.c_str());
}

}  // namespace vorlan
