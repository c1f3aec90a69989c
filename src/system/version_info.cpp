#include "system/version_info.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "base/format.h"

namespace vorlan {

namespace {
constexpr uint16_t kCodePages[] = {0, 932, 949, 950, 1200, 1250, 1251, 1252, 1253, 1254, 1255, 1256};
constexpr uint16_t kLaterLanguages[] = {2052, 2055, 2057, 2058, 2060, 2064,
                                        2067, 2068, 2070, 2074, 3084, 4108};

std::string FileOSText(DWORD os) {
  switch (os) {
    case 0x1: return "Windows 3.0 or later";
    case 0x2: return "16 bit OS/2 Presentation Manager";
    case 0x3: return "32 bit OS/2 Presentation Manager";
    case 0x4: return "32 bit Windows";
    case 0x10000: return "MS-Dos";
    case 0x10001: return "Windows 3.0 or later with MS-Dos";
    case 0x10004: return "32 bit Windows with MS-Dos";
    case 0x20000: return "16 bit OS/2";
    case 0x20002: return "16 bit OS/2 with Presentation Manager";
    case 0x30000: return "32 bit OS/2";
    case 0x30003: return "32 bit OS/2 with Presentation Manager";
    case 0x40000: return "Windows NT";
    case 0x40004: return "Windows NT with 32 bit Windows";
    default: return "Unknown";
  }
}

std::string FileTypeText(DWORD type) {
  switch (type) {
    case 1: return "Application";
    case 2: return "Dynamic-Link Library";
    case 3: return "Device Driver";
    case 4: return "Font";
    case 5: return "Virtual Device Driver";
    case 7: return "Static-Link Library";
    default: return "Unknown";
  }
}

std::string FileSubTypeText(DWORD type, DWORD subtype) {
  static const char* const kDrivers[] = {"Printer", "Keyboard", "Language", "Display", "Mouse",
                                         "Network", "System", "Installable", "Sound", "Communications"};
  static const char* const kFonts[] = {"Raster", "Vector", "TrueType"};
  if (type == 3) return subtype >= 1 && subtype <= 10 ? kDrivers[subtype - 1] : "Unknown";
  if (type == 4) return subtype >= 1 && subtype <= 3 ? kFonts[subtype - 1] : "Unknown";
  return {};
}

std::string VersionText(DWORD most, DWORD least) {
  return Format("%u.%u.%u.%u", HIWORD(most), LOWORD(most), HIWORD(least), LOWORD(least));
}

// The version block claims its own length in 16 bits, and the system
// converts strings into the space after it, so a block whose length lies
// would take the system outside a buffer of the reported size. A zeroed
// buffer that holds twice the largest block keeps every such walk inside.
constexpr DWORD kSafeBlockSize = 2 * 0x10000 + 1024;

// The whole version block of the file, or nothing.
std::optional<std::vector<char>> VersionBlock(const std::string& path) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> block(std::max(size, kSafeBlockSize));
  if (!GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
    return std::nullopt;
  }
  return block;
}

// A value of the block and its length as the system reports it.
std::optional<std::pair<const void*, UINT>> Query(std::vector<char>& block, const std::string& name) {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), name.c_str(), &value, &length) || value == nullptr) {
    return std::nullopt;
  }
  return std::make_pair(static_cast<const void*>(value), length);
}

// The reported length counts the terminator, when there is one.
std::string Text(const std::pair<const void*, UINT>& value) {
  auto text = static_cast<const char*>(value.first);
  return std::string(text, strnlen(text, value.second));
}

void ReadStrings(std::vector<char>& block, const std::string& prefix, TVersionInfo& info) {
  static const std::pair<TVersionInfo::TField, const char*> kStrings[] = {
      {TVersionInfo::viComment, "Comment"},
      {TVersionInfo::viCompanyName, "CompanyName"},
      {TVersionInfo::viFileDescription, "FileDescription"},
      {TVersionInfo::viInternalName, "InternalName"},
      {TVersionInfo::viLegalCopyright, "LegalCopyright"},
      {TVersionInfo::viLegalTradeMarks, "LegalTradeMarks"},
      {TVersionInfo::viOriginalFileName, "OriginalFileName"},
      {TVersionInfo::viPrivateBuild, "PrivateBuild"},
      {TVersionInfo::viProductName, "ProductName"},
      {TVersionInfo::viProductVersion, "ProductVersion"},
      {TVersionInfo::viSpecialBuild, "SpecialBuild"},
  };
  for (const auto& [field, name] : kStrings) {
    auto value = Query(block, prefix + name);
    if (value) info.SetField(field, Text(*value));
  }
}
}  // namespace

uint16_t LanguageId(TLanguage language) {
  if (language <= lnBahasa) return static_cast<uint16_t>(1025 + language);
  return kLaterLanguages[language - lnSimplifiedChinese];
}

uint16_t CodePage(TCharacterSet character_set) { return kCodePages[character_set]; }

TVersionInfo ReadFileVersionInfo(const std::string& path, TLanguage language, TCharacterSet character_set) {
  TVersionInfo info;
  auto block = VersionBlock(path);
  if (!block) return info;
  auto fixed_value = Query(*block, "\\");
  if (!fixed_value || fixed_value->second < sizeof(VS_FIXEDFILEINFO)) return info;
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, fixed_value->first, sizeof fixed);
  if (fixed.dwSignature != 0xFEEF04BD) return info;
  auto translation = Query(*block, "\\VarFileInfo\\Translation");
  if (translation && translation->second == 4) {
    uint16_t first_language;
    std::memcpy(&first_language, translation->first, sizeof first_language);
    info.SetLanguageNumber(first_language & 0x3FF);
  }
  info.SetField(TVersionInfo::viFileVersion, VersionText(fixed.dwFileVersionMS, fixed.dwFileVersionLS));
  info.SetField(TVersionInfo::viProductVersion,
                VersionText(fixed.dwProductVersionMS, fixed.dwProductVersionLS));
  info.SetField(TVersionInfo::viFileOS, FileOSText(fixed.dwFileOS));
  info.SetField(TVersionInfo::viFileType, FileTypeText(fixed.dwFileType));
  info.SetField(TVersionInfo::viFileSubType, FileSubTypeText(fixed.dwFileType, fixed.dwFileSubtype));
  ReadStrings(*block, Format("\\StringFileInfo\\%.4x%.4x\\", LanguageId(language), CodePage(character_set)),
              info);
  return info;
}

std::optional<std::string> ReadFirstTranslationString(const std::string& path, const std::string& name) {
  auto block = VersionBlock(path);
  if (!block) return std::nullopt;
  auto translation = Query(*block, "\\VarFileInfo\\Translation");
  if (!translation || translation->second < 4) return std::nullopt;
  uint16_t words[2];
  std::memcpy(words, translation->first, sizeof words);
  auto value = Query(*block, Format("\\StringFileInfo\\%.4x%.4x\\", words[0], words[1]) + name);
  if (!value) return std::nullopt;
  return Text(*value);
}

std::string FileVersionOf(const std::string& path) { return ReadFileVersionInfo(path).FileVersion(); }

}  // namespace vorlan
