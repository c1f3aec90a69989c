// The unfinished list, the saved language and the after-reboot run over
// the test program's own install record.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/file.h"
#include "component/class_info.h"
#include "component/class_registry.h"
#include "objects/install_file.h"
#include "paths/path_specifier.h"
#include "record_fixture.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

// Stands in for the translation module's class, with its target language.
class TTranslator : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  using TComponent::TComponent;
  int TranslateIntoLanguage() const { return language_; }
  void SetTranslateIntoLanguage(int value) { language_ = value; }

 private:
  int language_ = 20;  // vlUser
};

const TClassInfo& TTranslator::StaticClassInfo() {
  static const TEnumInfo languages(
      "TVorlanLanguage",
      {"vlChineseSimplified", "vlChineseTraditional", "vlCzech", "vlDanish", "vlDutch", "vlEnglish", "vlFrench",
       "vlGerman", "vlGreek", "vlHebrew", "vlItalian", "vlJapanese", "vlKorean", "vlNorwegianBokmal",
       "vlNorwegianNynorsk", "vlPolish", "vlPortugese", "vlRussian", "vlSpanish", "vlSwedish", "vlUser",
       "vlVietnamese"});
  static const TClassInfo info = TClassInfo::Define<TTranslator, TComponent>("TTranslator", [](auto& p) {
    p.Enumeration("TranslateIntoLanguage", languages, &TTranslator::TranslateIntoLanguage,
                  &TTranslator::SetTranslateIntoLanguage);
  });
  return info;
}

constexpr int kFrench = 6, kGerman = 7, kUser = 20;
constexpr const char* kNoRecord = "The TInstall could not either write or read unfinished business from the registry";

class ResumeUnfinishedTest : public engine_test::RecordFixture {
 protected:
  ResumeUnfinishedTest() { Classes().Register(TTranslator::StaticClassInfo()); }

  // The engine, a translator speaking French and an install file whose
  // destination is the temporary directory.
  TInstall& LoadWithFile() {
    TInstall& engine = Load("    RunAutomatic = False\n");
    auto* translator = new TTranslator(form.get());
    translator->SetName("MainTranslator");
    translator->SetTranslateIntoLanguage(kFrench);
    auto* dest = new TPathSpecifier(form.get());
    dest->SetName("psDest");
    std::string dir = temp.Dir();
    dest->OnGetPath().Assign([dir](TInstallContainer*, std::string& out) { out = dir; });
    file = new TInstallFile(form.get());
    file->SetName("SetupFile");
    file->SetContainer(&engine);
    file->SetFileName("app.txt");
    file->SetDestDirType(dest);
    return engine;
  }

  TTranslator* Translator() const { return dynamic_cast<TTranslator*>(form->FindComponent("MainTranslator")); }

  static std::string Message(const std::function<void()>& action) {
    try {
      action();
    } catch (const IEInstall& error) {
      return error.what();
    }
    return "";
  }

  testing::TTempDir temp;
  TInstallFile* file = nullptr;
};

TEST_F(ResumeUnfinishedTest, TheListNeedsARecord) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  TStringList list{"left over"};
  EXPECT_EQ(Message([&] { engine.ClearUnfinishedList(); }), kNoRecord);
  EXPECT_EQ(Message([&] { engine.ReadUnfinishedList(list); }), kNoRecord);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(Message([&] { engine.ResumeUnfinished(); }), kNoRecord);
}

TEST_F(ResumeUnfinishedTest, EntriesAreReadAndCleared) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  UseRecord(engine);
  TStringList list;
  engine.ReadUnfinishedList(list);
  EXPECT_TRUE(list.empty());
  engine.AddUnfinishedEntry("IFreadme", 1);
  engine.AddUnfinishedEntry("IFreadme", 0);
  engine.AddUnfinishedEntry("C:\\Temp\\bat1.bat", 1);
  engine.ReadUnfinishedList(list);
  std::sort(list.begin(), list.end());
  EXPECT_EQ(list, (TStringList{"C:\\Temp\\bat1.bat;1", "IFreadme;0"}));
  engine.ClearUnfinishedList();
  engine.ReadUnfinishedList(list);
  EXPECT_TRUE(list.empty());
  engine.ClearUnfinishedList();
}

// Kind 0 resumes the install object of that name, whatever its case (the
// file gets its install attributes); kind 1 deletes the file; other kinds
// are passed over. The run ends as a successful one: the record goes.
TEST_F(ResumeUnfinishedTest, ResumeFinishesTheEntriesAndRemovesTheRecord) {
  TInstall& engine = LoadWithFile();
  std::string key = UseRecord(engine);
  std::string installed = temp.Path("app.txt");
  std::string leftover = temp.Path("bat1.bat");
  std::string other = temp.Path("other.txt");
  for (const std::string& path : {installed, leftover, other}) testing::WriteWholeFile(path, "x");
  file->SetInstallAttributes(VfaBit(vfaHidden));
  engine.AddUnfinishedEntry("SETUPFILE", 0);
  engine.AddUnfinishedEntry(leftover, 1);
  engine.AddUnfinishedEntry(other, 7);
  engine.ResumeUnfinished();
  EXPECT_EQ(FileAttributes(installed).value_or(0) & kAttrHidden, kAttrHidden);
  EXPECT_FALSE(FileExists(leftover));
  EXPECT_TRUE(FileExists(other));
  EXPECT_FALSE(KeyPresent(key));
  EXPECT_FALSE(engine.InProgress());
}

TEST_F(ResumeUnfinishedTest, AMalformedEntryStopsTheRunNamingIt) {
  struct {
    const char* data;
    const char* line;
  } const cases[] = {{"zero", "IFreadme;zero"}, {"", "IFreadme;"}, {"1x", "IFreadme;1x"}};
  for (const auto& c : cases) {
    TInstall& engine = Load("    RunAutomatic = False\n");
    std::string key = UseRecord(engine);
    WriteRegString(hkLocalMachine, key + "\\Unfinished", "IFreadme", c.data);
    EXPECT_EQ(Message([&] { engine.ResumeUnfinished(); }),
              std::string("There is an invalid entry for the unfinished install list ") + c.line);
  }
  // A value that is no string has no kind either.
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string key = UseRecord(engine);
  WriteRegInteger(hkLocalMachine, key + "\\Unfinished", "IFnumber", 0);
  EXPECT_EQ(Message([&] { engine.ResumeUnfinished(); }),
            "There is an invalid entry for the unfinished install list IFnumber;");
}

TEST_F(ResumeUnfinishedTest, TheLanguageIsSavedAndSpokenAfterTheReboot) {
  TInstall& engine = LoadWithFile();
  TTranslator& translator = *Translator();
  EXPECT_EQ(engine.ReadLanguage(), kFrench);
  EXPECT_EQ(Message([&] { engine.WriteLanguage(); }), kNoRecord);
  std::string key = UseRecord(engine);
  EXPECT_EQ(engine.ReadLanguage(), kFrench);
  engine.WriteLanguage();
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, key, "Language", -1), kFrench);
  translator.SetTranslateIntoLanguage(kGerman);
  EXPECT_EQ(engine.ReadLanguage(), kFrench);
  engine.ResumeUnfinished();
  EXPECT_EQ(translator.TranslateIntoLanguage(), kFrench);

  // A language outside the list leaves the translator as it is.
  key = UseRecord(engine);
  WriteRegInteger(hkLocalMachine, key, "Language", 99);
  engine.ResumeUnfinished();
  EXPECT_EQ(translator.TranslateIntoLanguage(), kFrench);
}

TEST_F(ResumeUnfinishedTest, WithoutATranslatorTheLanguageIsTheUsers) {
  TInstall& engine = Load("    RunAutomatic = False\n");
  std::string key = UseRecord(engine);
  EXPECT_EQ(engine.ReadLanguage(), kUser);
  engine.WriteLanguage();
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, key, "Language", -1), -1);
  WriteRegInteger(hkLocalMachine, key, "Language", kGerman);
  EXPECT_EQ(engine.ReadLanguage(), kGerman);
}

}  // namespace
}  // namespace vorlan
