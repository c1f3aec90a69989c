#pragma once
// TVersionInfo: the values of a file's version resource, and the languages
// and code pages that choose its string table.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vorlan {

enum TLanguage : uint8_t {
  lnArabic, lnBulgarian, lnCatalan, lnTraditionalChinese, lnCzech, lnDanish, lnGerman, lnGreek,
  lnUSEnglish, lnCastilianSpanish, lnFinnish, lnFrench, lnHebrew, lnHungarian, lnIcelandic,
  lnItalian, lnJapanese, lnKorean, lnDutch, lnNorwegianBokmal, lnPolish, lnBrazilianPortuguese,
  lnRhaetoRomanic, lnRomanian, lnRussian, lnCroatoSerbian, lnSlovak, lnAlbanian, lnSwedish, lnThai,
  lnTurkish, lnUrdu, lnBahasa,
  lnSimplifiedChinese, lnSwissGerman, lnUKEnglish, lnMexicanSpanish, lnBelgianFrench,
  lnSwissItalian, lnBelgianDutch, lnNorwegianNynorsk, lnPortuguese, lnSerboCroatian,
  lnCanadianFrench, lnSwissFrench,
};

enum TCharacterSet : uint8_t {
  csASCII, csJapan, csKorea, csTaiwan, csUnicode, csLatin2, csCyrillic, csMultilingual, csGreek,
  csTurkish, csHebrew, csArabic,
};

// The Windows language identifier and the code page.
uint16_t LanguageId(TLanguage language);
uint16_t CodePage(TCharacterSet character_set);

class TVersionInfo {
 public:
  // The fields in their order; the string-table names of those read from it.
  enum TField : uint8_t {
    viComment, viCompanyName, viFileDescription, viFileVersion, viInternalName, viLegalCopyright,
    viLegalTradeMarks, viOriginalFileName, viPrivateBuild, viProductName, viProductVersion,
    viSpecialBuild, viFileOS, viFileType, viFileSubType, viFieldCount
  };

  const std::string& Comment() const { return fields_[viComment]; }
  const std::string& CompanyName() const { return fields_[viCompanyName]; }
  const std::string& FileDescription() const { return fields_[viFileDescription]; }
  const std::string& FileVersion() const { return fields_[viFileVersion]; }
  const std::string& InternalName() const { return fields_[viInternalName]; }
  const std::string& LegalCopyright() const { return fields_[viLegalCopyright]; }
  const std::string& LegalTradeMarks() const { return fields_[viLegalTradeMarks]; }
  const std::string& OriginalFileName() const { return fields_[viOriginalFileName]; }
  const std::string& PrivateBuild() const { return fields_[viPrivateBuild]; }
  const std::string& ProductName() const { return fields_[viProductName]; }
  const std::string& ProductVersion() const { return fields_[viProductVersion]; }
  const std::string& SpecialBuild() const { return fields_[viSpecialBuild]; }
  const std::string& FileOS() const { return fields_[viFileOS]; }
  const std::string& FileType() const { return fields_[viFileType]; }
  const std::string& FileSubType() const { return fields_[viFileSubType]; }
  // The primary language of the file's first translation; not a property.
  uint16_t LanguageNumber() const { return language_number_; }

  const std::string& Field(TField field) const { return fields_[field]; }
  void SetField(TField field, std::string value) { fields_[field] = std::move(value); }
  void SetLanguageNumber(uint16_t value) { language_number_ = value; }
  void Clear() { *this = TVersionInfo(); }

 private:
  std::array<std::string, viFieldCount> fields_;
  uint16_t language_number_ = 0;
};

// Reads the version resource of path, the strings from the table of the
// given language and code page. A file that is missing, unreadable or has
// no (sound) version resource gives empty fields; this never raises.
TVersionInfo ReadFileVersionInfo(const std::string& path, TLanguage language = lnUSEnglish,
                                 TCharacterSet character_set = csMultilingual);

// The string name of the table the file's first translation names; nothing
// when the file has no version resource, no translation or no such string.
// Self-registering libraries are marked by "OLESelfRegister".
std::optional<std::string> ReadFirstTranslationString(const std::string& path, const std::string& name);

// The file's version as "a.b.c.d", empty when it has none: what an archive
// records for a member (the archive's version reader).
std::string FileVersionOf(const std::string& path);

}  // namespace vorlan
