#include "import_table.h"

#include <windows.h>

#include <imagehlp.h>

#include <stdexcept>

namespace vorlan::testing {

namespace {
class TMappedImage {
 public:
  explicit TMappedImage(const std::string& path) : path_(path) {
    if (!MapAndLoad(path.c_str(), nullptr, &image_, FALSE, TRUE)) Fail("cannot be read as a program");
  }
  ~TMappedImage() { UnMapAndLoad(&image_); }
  TMappedImage(const TMappedImage&) = delete;
  TMappedImage& operator=(const TMappedImage&) = delete;

  const IMAGE_NT_HEADERS32& Headers() const { return *image_.FileHeader; }

  // What an address of the loaded program holds in the file.
  template <typename T>
  const T* At(DWORD rva) const {
    void* address = ImageRvaToVa(image_.FileHeader, image_.MappedAddress, rva, nullptr);
    if (!address) Fail("points outside itself");
    return static_cast<const T*>(address);
  }

  const IMAGE_IMPORT_DESCRIPTOR* Imports() const {
    ULONG size = 0;
    return static_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        ImageDirectoryEntryToData(image_.MappedAddress, FALSE, IMAGE_DIRECTORY_ENTRY_IMPORT, &size));
  }

  [[noreturn]] void Fail(const std::string& what) const { throw std::runtime_error(path_ + " " + what); }

 private:
  std::string path_;
  LOADED_IMAGE image_{};
};
}  // namespace

TImportTable ReadImportTable(const std::string& path) {
  TMappedImage image(path);
  const IMAGE_OPTIONAL_HEADER32& header = image.Headers().OptionalHeader;
  if (header.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) image.Fail("is no 32-bit program");
  TImportTable table;
  table.os_version = {header.MajorOperatingSystemVersion, header.MinorOperatingSystemVersion};
  table.subsystem_version = {header.MajorSubsystemVersion, header.MinorSubsystemVersion};
  for (const IMAGE_IMPORT_DESCRIPTOR* dll = image.Imports(); dll && dll->Name; ++dll) {
    std::set<std::string>& functions = table.functions[image.At<char>(dll->Name)];
    DWORD names = dll->OriginalFirstThunk ? dll->OriginalFirstThunk : dll->FirstThunk;
    for (const auto* thunk = image.At<IMAGE_THUNK_DATA32>(names); thunk->u1.AddressOfData; ++thunk) {
      if (IMAGE_SNAP_BY_ORDINAL32(thunk->u1.Ordinal)) {
        functions.insert("#" + std::to_string(IMAGE_ORDINAL32(thunk->u1.Ordinal)));
      } else {
        functions.insert(reinterpret_cast<const char*>(image.At<IMAGE_IMPORT_BY_NAME>(thunk->u1.AddressOfData)->Name));
      }
    }
  }
  return table;
}

}  // namespace vorlan::testing
