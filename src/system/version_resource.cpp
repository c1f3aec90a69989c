#include "system/version_resource.h"

#include <windows.h>

#include <memory>
#include <optional>

#include "base/file.h"
#include "base/strings.h"
#include "component/class_info.h"

namespace vorlan {

namespace {
std::unique_ptr<TVersionResource>& SharedInstance() {
  static std::unique_ptr<TVersionResource> instance;
  return instance;
}

std::string VersionOf(const std::string& path) {
  TVersionResource& shared = SharedVersionResource();
  shared.SetFileName(path);
  return shared.VersionInfo().FileVersion();
}

}  // namespace

TVersionResource::TVersionResource(TComponent* owner) : TComponent(owner), file_name_(ProgramPath()) {
  ReadVersionInfo();
}

std::string TVersionResource::ProgramPath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

void TVersionResource::SetFileName(const std::string& value) {
  file_name_ = value;
  ReadVersionInfo();
}

void TVersionResource::SetLanguage(TLanguage value) {
  language_ = value;
  ReadVersionInfo();
}

void TVersionResource::SetCharacterSet(TCharacterSet value) {
  character_set_ = value;
  ReadVersionInfo();
}

void TVersionResource::ReadVersionInfo() {
  version_info_ = ReadFileVersionInfo(file_name_, language_, character_set_);
}

// The rules are the archive's, which cannot reach the version resources
// itself; here they read versions through the shared instance.
TFileNewerResult TVersionResource::IsFileNewer(const std::string& new_version, const std::string& existing_file,
                                               TOverwriteType rule, TDateTime new_date) {
  return vorlan::IsFileNewer(new_version, existing_file, rule, new_date, VersionOf);
}

TFileNewerResult TVersionResource::IsFileNewerByName(const std::string& new_file,
                                                     const std::string& existing_file, TOverwriteType rule) {
  return vorlan::IsFileNewerByName(new_file, existing_file, rule, VersionOf);
}

const TClassInfo& TVersionResource::StaticClassInfo() {
  static const TEnumInfo languages(
      "TLanguage",
      {"lnArabic", "lnBulgarian", "lnCatalan", "lnTraditionalChinese", "lnCzech", "lnDanish", "lnGerman", "lnGreek",
       "lnUSEnglish", "lnCastilianSpanish", "lnFinnish", "lnFrench", "lnHebrew", "lnHungarian", "lnIcelandic",
       "lnItalian", "lnJapanese", "lnKorean", "lnDutch", "lnNorwegianBokmal", "lnPolish", "lnBrazilianPortuguese",
       "lnRhaetoRomanic", "lnRomanian", "lnRussian", "lnCroatoSerbian", "lnSlovak", "lnAlbanian", "lnSwedish",
       "lnThai", "lnTurkish", "lnUrdu", "lnBahasa", "lnSimplifiedChinese", "lnSwissGerman", "lnUKEnglish",
       "lnMexicanSpanish", "lnBelgianFrench", "lnSwissItalian", "lnBelgianDutch", "lnNorwegianNynorsk",
       "lnPortuguese", "lnSerboCroatian", "lnCanadianFrench", "lnSwissFrench"});
  static const TEnumInfo character_sets(
      "TCharacterSet", {"csASCII", "csJapan", "csKorea", "csTaiwan", "csUnicode", "csLatin2", "csCyrillic",
                        "csMultilingual", "csGreek", "csTurkish", "csHebrew", "csArabic"});
  static const TClassInfo info = TClassInfo::Define<TVersionResource, TComponent>("TVersionResource", [](auto& p) {
    using T = TVersionResource;
    // Only a file other than the running program is worth storing.
    p.String("FileName", &T::FileName, &T::SetFileName).Stored([](const T& v) {
      return v.FileName() != T::ProgramPath();
    });
    p.Enumeration("Language", languages, &T::Language, &T::SetLanguage).Default(int64_t{lnUSEnglish});
    p.Enumeration("CharacterSet", character_sets, &T::CharacterSet, &T::SetCharacterSet)
        .Default(int64_t{csMultilingual});
  });
  return info;
}

TVersionResource& SharedVersionResource() {
  if (!SharedInstance()) CreateSharedVersionResource();
  return *SharedInstance();
}

void CreateSharedVersionResource() {
  if (!SharedInstance()) SharedInstance() = std::make_unique<TVersionResource>(nullptr);
}

void FreeSharedVersionResource() { SharedInstance().reset(); }

}  // namespace vorlan
