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

// A date as a count of the two-second stamps that file dates compare at.
// Whole numbers, because on i686 two equal doubles may differ in their
// excess precision.
using TStamp = int64_t;
TStamp StampOf(TDateTime value) {
  constexpr int64_t kTicksPerStamp = 2 * 10000000;
  int64_t ticks = DateTimeToFileTimeTicks(value);
  return ticks / kTicksPerStamp - (ticks % kTicksPerStamp < 0 ? 1 : 0);
}

// The stamp of the file's last-write time; nothing when the file cannot be
// opened.
std::optional<TStamp> StampOf(const std::string& path) {
  auto file = TFileStream::TryOpen(path, TFileMode::Read);
  if (!file) return std::nullopt;
  return StampOf(file->LastWriteTime());
}

TFileNewerResult ByVersion(const std::string& new_version, const std::string& existing_version) {
  switch (CompareVersions(new_version, existing_version)) {
    case 0: return fnrSame;
    case 1: return fnrNewer;
    default: return fnrOlder;
  }
}

TFileNewerResult ByDate(std::optional<TStamp> new_date, std::optional<TStamp> existing_date) {
  if (!new_date || !existing_date) return fnrUnknown;
  if (*new_date > *existing_date) return fnrNewer;
  return *new_date == *existing_date ? fnrSame : fnrOlder;
}

// The rule's answer; the versions and dates are asked only when it needs them.
template <typename Versions, typename Dates>
TFileNewerResult Decide(TOverwriteType rule, const std::string& existing_file, Versions versions,
                        Dates dates) {
  switch (rule) {
    case owAlways:
      return fnrNewer;
    case owNever:
      return !Trim(existing_file).empty() && FileExists(existing_file) ? fnrOlder : fnrNewer;
    case owVersion:
      return versions();
    case owDate:
      return dates();
    case owVersionDate: {
      TFileNewerResult result = versions();
      return result == fnrSame ? dates() : result;
    }
    case owAsk:
      return fnrAsk;
  }
  return fnrUnknown;
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

TFileNewerResult TVersionResource::IsFileNewer(const std::string& new_version, const std::string& existing_file,
                                               TOverwriteType rule, TDateTime new_date) {
  return Decide(
      rule, existing_file, [&] { return ByVersion(new_version, VersionOf(existing_file)); },
      [&] { return ByDate(StampOf(new_date), StampOf(existing_file)); });
}

TFileNewerResult TVersionResource::IsFileNewerByName(const std::string& new_file,
                                                     const std::string& existing_file, TOverwriteType rule) {
  return Decide(
      rule, existing_file, [&] { return ByVersion(VersionOf(new_file), VersionOf(existing_file)); },
      [&] { return ByDate(StampOf(new_file), StampOf(existing_file)); });
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
