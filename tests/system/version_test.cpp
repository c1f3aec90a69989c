#include "system/version_resource.h"

#include <gtest/gtest.h>

#include <random>

#include "archive/archive_hooks.h"
#include "base/file.h"
#include "base/strings.h"
#include "system/unique_handle.h"
#include "system/system_dirs.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::BuiltFile;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

TEST(VersionInfoTest, EveryFieldOfAFullResource) {
  TVersionInfo info = ReadFileVersionInfo(BuiltFile("ver_full.dll"));
  EXPECT_EQ(info.Comment(), "Built for the tests");
  EXPECT_EQ(info.CompanyName(), "Zarvik Software");
  EXPECT_EQ(info.FileDescription(), "Version test file");
  // The numbers, never the string table's "9.9.9.9".
  EXPECT_EQ(info.FileVersion(), "5.0.2195.6601");
  EXPECT_EQ(info.InternalName(), "vertest");
  EXPECT_EQ(info.LegalCopyright(), "Copyright Zarvik");
  EXPECT_EQ(info.LegalTradeMarks(), "Zarvik is a mark");
  EXPECT_EQ(info.OriginalFileName(), "vertest.dll");
  EXPECT_EQ(info.PrivateBuild(), "private");
  EXPECT_EQ(info.ProductName(), "Zarvik Tool");
  // The string overrides the numeric product version.
  EXPECT_EQ(info.ProductVersion(), "5.0 Gold");
  EXPECT_EQ(info.SpecialBuild(), "special");
  EXPECT_EQ(info.FileOS(), "Windows NT with 32 bit Windows");
  EXPECT_EQ(info.FileType(), "Dynamic-Link Library");
  EXPECT_EQ(info.FileSubType(), "");
  // 0x0C07 masked to its primary language.
  EXPECT_EQ(info.LanguageNumber(), 7);
}

TEST(VersionInfoTest, FixedInformationTables) {
  struct TCase {
    const char* file;
    const char* version;
    const char* os;
    const char* type;
    const char* subtype;
    uint16_t language;
  };
  const TCase cases[] = {
      // No translation: the language number stays 0, the strings still come.
      {"ver_notrans.dll", "1.9.0.0", "32 bit Windows", "Device Driver", "Sound", 0},
      // Two translations are not "exactly one".
      {"ver_1_10.dll", "1.10.0.0", "Unknown", "Font", "TrueType", 0},
      {"ver_ole.dll", "2.0.0.1", "Windows NT with 32 bit Windows", "Application", "", 9},
  };
  for (const auto& c : cases) {
    TVersionInfo info = ReadFileVersionInfo(BuiltFile(c.file));
    EXPECT_EQ(info.FileVersion(), c.version) << c.file;
    EXPECT_EQ(info.FileOS(), c.os) << c.file;
    EXPECT_EQ(info.FileType(), c.type) << c.file;
    EXPECT_EQ(info.FileSubType(), c.subtype) << c.file;
    EXPECT_EQ(info.LanguageNumber(), c.language) << c.file;
    EXPECT_EQ(info.CompanyName(), "Zarvik Software") << c.file;
  }
}

// The table is chosen by Language and CharacterSet, not by the file's own
// translation list.
TEST(VersionResourceTest, LanguageAndCharacterSetChooseTheTable) {
  TVersionResource resource(nullptr);
  resource.SetFileName(BuiltFile("ver_full.dll"));
  EXPECT_EQ(resource.VersionInfo().CompanyName(), "Zarvik Software");
  resource.SetLanguage(lnGerman);
  EXPECT_EQ(resource.VersionInfo().CompanyName(), "Zarvik GmbH");
  EXPECT_EQ(resource.VersionInfo().ProductName(), "");
  EXPECT_EQ(resource.VersionInfo().FileVersion(), "5.0.2195.6601");
  resource.SetLanguage(lnUSEnglish);
  resource.SetCharacterSet(csUnicode);
  EXPECT_EQ(resource.VersionInfo().CompanyName(), "Zarvik Unicode");
  resource.SetLanguage(lnFrench);
  EXPECT_EQ(resource.VersionInfo().CompanyName(), "");
}

TEST(VersionResourceTest, DefaultsToTheRunningProgram) {
  TVersionResource resource(nullptr);
  EXPECT_TRUE(SameText(resource.FileName(), TVersionResource::ProgramPath()));
  EXPECT_EQ(resource.Language(), lnUSEnglish);
  EXPECT_EQ(resource.CharacterSet(), csMultilingual);
  // The test program has no version resource.
  EXPECT_EQ(resource.VersionInfo().FileVersion(), "");
}

TEST(VersionInfoTest, LanguageAndCodePageMapping) {
  EXPECT_EQ(LanguageId(lnArabic), 1025);
  EXPECT_EQ(LanguageId(lnUSEnglish), 1033);
  EXPECT_EQ(LanguageId(lnBahasa), 1057);
  EXPECT_EQ(LanguageId(lnSimplifiedChinese), 2052);
  EXPECT_EQ(LanguageId(lnSerboCroatian), 2074);
  EXPECT_EQ(LanguageId(lnCanadianFrench), 3084);
  EXPECT_EQ(LanguageId(lnSwissFrench), 4108);
  EXPECT_EQ(CodePage(csASCII), 0);
  EXPECT_EQ(CodePage(csUnicode), 1200);
  EXPECT_EQ(CodePage(csMultilingual), 1252);
  EXPECT_EQ(CodePage(csArabic), 1256);
}

TEST(VersionInfoTest, FirstTranslationStrings) {
  EXPECT_EQ(ReadFirstTranslationString(BuiltFile("ver_ole.dll"), "OLESelfRegister"), "");
  EXPECT_EQ(ReadFirstTranslationString(BuiltFile("ver_ole.dll"), "ProductName"), "Zarvik Tool");
  EXPECT_FALSE(ReadFirstTranslationString(BuiltFile("ver_1_10.dll"), "OLESelfRegister"));
  // No translation, so no table to look in.
  EXPECT_FALSE(ReadFirstTranslationString(BuiltFile("ver_notrans.dll"), "ProductName"));
  EXPECT_FALSE(ReadFirstTranslationString(BuiltFile("nover.dll"), "OLESelfRegister"));
}

TEST(VersionInfoTest, FileVersionOfForTheArchive) {
  EXPECT_EQ(FileVersionOf(BuiltFile("ver_1_10.dll")), "1.10.0.0");
  EXPECT_EQ(FileVersionOf(BuiltFile("nover.dll")), "");
}

// Files no one here wrote: Wine's own libraries carry Unicode tables.
TEST(VersionInfoTest, SystemLibraries) {
  for (const char* name : {"kernel32.dll", "version.dll", "shell32.dll", "comctl32.dll"}) {
    std::string path = GetSystemDir() + "\\" + name;
    TVersionInfo info = ReadFileVersionInfo(path, lnUSEnglish, csUnicode);
    EXPECT_EQ(CountFields(info.FileVersion(), '.'), 4) << path << " " << info.FileVersion();
    EXPECT_NE(CompareVersions(info.FileVersion(), "1.0"), 2) << path;
    EXPECT_EQ(info.FileType(), "Dynamic-Link Library") << path;
    EXPECT_NE(info.ProductName(), "") << path;
    EXPECT_NE(info.FileOS(), "") << path;
  }
}

class BadVersionFileTest : public testing::TempDirTest {
 protected:
  // The offset of the version block's header inside a copy of the test file.
  static size_t BlockOffset(const std::string& data) {
    static const char kKey[] = "V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0";
    size_t at = data.find(std::string(kKey, sizeof kKey - 1));
    return at == std::string::npos ? at : at - 6;
  }
  static void SetWord(std::string& data, size_t at, uint16_t value) {
    data[at] = static_cast<char>(value & 0xFF);
    data[at + 1] = static_cast<char>(value >> 8);
  }
};

TEST_F(BadVersionFileTest, AnswerEmptyFieldsAndNeverCrash) {
  const std::string good = ReadWholeFile(BuiltFile("ver_full.dll"));
  const size_t block = BlockOffset(good);
  ASSERT_NE(block, std::string::npos);

  WriteWholeFile(Path("empty.dll"), "");
  WriteWholeFile(Path("text.dll"), "This is not a program at all.\r\n");
  WriteWholeFile(Path("cut.dll"), good.substr(0, block + 40));
  std::string no_signature = good;
  no_signature[block + 40] ^= 0x55;  // inside the fixed information's signature
  WriteWholeFile(Path("nosig.dll"), no_signature);
  for (const char* name : {"missing.dll", "empty.dll", "text.dll", "cut.dll", "nosig.dll"}) {
    TVersionInfo info = ReadFileVersionInfo(Path(name));
    EXPECT_EQ(info.FileVersion(), "") << name;
    EXPECT_EQ(info.CompanyName(), "") << name;
    EXPECT_EQ(info.FileType(), "") << name;
  }

  // Lengths that lie and bytes that are noise must not take the reader
  // outside the block; what it answers then is whatever survived.
  std::string huge = good;
  SetWord(huge, block, 0xFFFF);
  WriteWholeFile(Path("huge.dll"), huge);
  std::string zero_child = good;
  SetWord(zero_child, block + 40 + 52, 0);  // the first child's length
  WriteWholeFile(Path("zerochild.dll"), zero_child);
  std::mt19937 random(1234);
  for (int round = 0; round < 20; ++round) {
    std::string noisy = good;
    for (int i = 0; i < 30; ++i) noisy[block + random() % 900] = static_cast<char>(random());
    WriteWholeFile(Path("noise" + std::to_string(round) + ".dll"), noisy);
  }
  for (const auto& name : {std::string("huge.dll"), std::string("zerochild.dll")}) {
    TVersionInfo info = ReadFileVersionInfo(Path(name));
    EXPECT_EQ(info.FileVersion(), "5.0.2195.6601") << name;
  }
  for (int round = 0; round < 20; ++round) ReadFileVersionInfo(Path("noise" + std::to_string(round) + ".dll"));
}

TEST_F(BadVersionFileTest, LockedFileAnswersEmpty) {
  ASSERT_TRUE(CopyFileA(BuiltFile("ver_full.dll").c_str(), Path("locked.dll").c_str(), FALSE));
  TUniqueFileHandle lock(CreateFileA(Path("locked.dll").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  EXPECT_EQ(ReadFileVersionInfo(Path("locked.dll")).FileVersion(), "");
}

class FileNewerTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    old_ = Path("old.dll");
    new_ = Path("new.dll");
    ASSERT_TRUE(CopyFileA(BuiltFile("ver_notrans.dll").c_str(), old_.c_str(), FALSE));  // 1.9.0.0
    ASSERT_TRUE(CopyFileA(BuiltFile("ver_1_10.dll").c_str(), new_.c_str(), FALSE));     // 1.10.0.0
    ASSERT_TRUE(SetFileLastWriteTime(old_, date_));
    ASSERT_TRUE(SetFileLastWriteTime(new_, date_ + 1));
  }
  void TearDown() override {
    FreeSharedVersionResource();
    TempDirTest::TearDown();
  }
  std::string old_, new_;
  TDateTime date_ = EncodeDateTime(2003, 5, 17, 10, 20, 30);
};

TEST_F(FileNewerTest, IsFileNewerByRule) {
  struct TCase {
    const char* version;
    TOverwriteType rule;
    TDateTime date;
    TFileNewerResult expected;
  };
  const TDateTime same_stamp = date_ + 1.0 / 86400;  // the odd second falls away
  const TCase cases[] = {
      {"0.1", owAlways, 0, fnrNewer},
      {"9.9", owNever, 0, fnrOlder},
      {"0.1", owAsk, 0, fnrAsk},
      {"1.10", owVersion, 0, fnrNewer},
      {"1.9.0.0", owVersion, 0, fnrSame},
      {"1.8.99", owVersion, 0, fnrOlder},
      {"1.9", owVersion, 0, fnrOlder},  // fewer fields
      {"", owVersion, date_ + 5, fnrOlder},
      {"0", owDate, date_ + 1, fnrNewer},
      {"0", owDate, same_stamp, fnrSame},
      {"0", owDate, date_ - 1, fnrOlder},
      {"1.9.0.0", owVersionDate, same_stamp, fnrSame},
      {"1.9.0.0", owVersionDate, date_ + 1, fnrNewer},
      {"1.9.0.0", owVersionDate, date_ - 1, fnrOlder},
      {"2.0", owVersionDate, date_ - 1, fnrNewer},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(int(TVersionResource::IsFileNewer(c.version, old_, c.rule, c.date)), int(c.expected))
        << c.version << " rule " << int(c.rule);
  }
}

TEST_F(FileNewerTest, MissingOrBlankExistingFile) {
  const std::string missing = Path("missing.dll");
  EXPECT_EQ(TVersionResource::IsFileNewer("1.0", "", owNever, date_), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewer("1.0", "  ", owNever, date_), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewer("1.0", missing, owNever, date_), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewer("1.0", missing, owVersion, date_), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewer("1.0", missing, owDate, date_), fnrUnknown);
  EXPECT_EQ(TVersionResource::IsFileNewer("", missing, owVersionDate, date_), fnrUnknown);
  // A file without a version resource ranks below any versioned one.
  ASSERT_TRUE(CopyFileA(BuiltFile("nover.dll").c_str(), Path("nover.dll").c_str(), FALSE));
  EXPECT_EQ(TVersionResource::IsFileNewer("0.0.0.1", Path("nover.dll"), owVersion, date_), fnrNewer);
}

TEST_F(FileNewerTest, IsFileNewerByName) {
  EXPECT_EQ(TVersionResource::IsFileNewerByName(new_, old_, owVersion), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(old_, new_, owVersion), fnrOlder);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(new_, old_, owDate), fnrNewer);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(old_, new_, owDate), fnrOlder);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(old_, old_, owVersionDate), fnrSame);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(new_, old_, owNever), fnrOlder);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(Path("gone.dll"), old_, owDate), fnrUnknown);
  EXPECT_EQ(TVersionResource::IsFileNewerByName(new_, Path("gone.dll"), owDate), fnrUnknown);
}

// The archive asks for versions through its reader; FileVersionOf is the one
// the program gives it.
TEST_F(FileNewerTest, TheArchivesRulesReadVersionsThroughFileVersionOf) {
  SetArchiveVersionReader(FileVersionOf);
  EXPECT_EQ(vorlan::IsFileNewerByName(new_, old_, owVersion), fnrNewer);
  EXPECT_EQ(vorlan::IsFileNewer("1.9.0.0", old_, owVersion, date_), fnrSame);
  SetArchiveVersionReader(nullptr);
}

TEST_F(FileNewerTest, DatesOfAFileInUseStillRead) {
  // Opened by another writer that lets readers in, as a running program is.
  TUniqueFileHandle in_use(CreateFileA(old_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(in_use);
  EXPECT_EQ(TVersionResource::IsFileNewer("0", old_, owDate, date_ + 1), fnrNewer);
}

}  // namespace
}  // namespace vorlan
