#include "base/exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace vorlan {
namespace {

// The classes and their bases, as the framework defines them.
static_assert(std::is_base_of_v<std::exception, Exception>);
static_assert(std::is_base_of_v<Exception, EAbort>);
static_assert(std::is_base_of_v<Exception, EConvertError>);
static_assert(std::is_base_of_v<Exception, EAI>);
static_assert(std::is_base_of_v<EAI, EAIUserAbort>);
static_assert(std::is_base_of_v<Exception, EUserAbortInstall>);
static_assert(!std::is_base_of_v<EAI, EUserAbortInstall>);
static_assert(std::is_base_of_v<Exception, ECustomVorlanAbnormal>);
static_assert(std::is_base_of_v<ECustomVorlanAbnormal, EVorlanAbnormal>);
static_assert(std::is_base_of_v<ECustomVorlanAbnormal, IException>);
static_assert(!std::is_base_of_v<EVorlanAbnormal, IException>);
static_assert(std::is_base_of_v<IException, IEInstall>);
static_assert(std::is_base_of_v<IEInstall, IEInstallNetLocNil>);
static_assert(std::is_base_of_v<IException, IEInstallContainer>);
static_assert(std::is_base_of_v<IException, IEFileRelated>);
static_assert(std::is_base_of_v<IEFileRelated, IEFileRel_NoNetLocation>);
static_assert(std::is_base_of_v<IException, IEFileContainer>);
static_assert(std::is_base_of_v<IEFileContainer, IEfcDuplicateFile>);
static_assert(std::is_base_of_v<IEFileContainer, IEfcSetAttributes>);
static_assert(std::is_base_of_v<IException, IENoVorlanPath>);
static_assert(std::is_base_of_v<IException, IECustomInstallFile>);
static_assert(std::is_base_of_v<IException, IECustomInstallFileList>);
static_assert(std::is_base_of_v<IException, IEContainerList>);
static_assert(std::is_base_of_v<IException, IEInstallGroup>);
// The user's cancel always says the same.
static_assert(std::is_default_constructible_v<EAIUserAbort>);
static_assert(!std::is_constructible_v<EAIUserAbort, std::string>);
static_assert(!std::is_constructible_v<EUserAbortInstall, std::string>);

TEST(Exceptions, FixedMessages) {
  EXPECT_EQ(EAIUserAbort().Message(), "Installation aborted by the user");
  EXPECT_STREQ(EAIUserAbort().what(), "Installation aborted by the user");
  EXPECT_EQ(EUserAbortInstall().Message(), "Creating Install Aborted!");
  EXPECT_EQ(EAbort("skip").Message(), "skip");
  EXPECT_EQ(EVorlanAbnormal("Disk full").Message(), "Disk full");
}

// A translator that knows a few texts, recording what it was asked.
class Translation : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageTranslation([this](const std::string& text) {
      asked_.push_back(text);
      auto found = table_.find(text);
      return found == table_.end() ? text : found->second;
    });
  }
  void TearDown() override { SetMessageTranslation(nullptr); }

  std::map<std::string, std::string> table_ = {
      {"Could not find a net install location for %s", "Kein Netzinstallationsort f\xfcr %s gefunden"},
      {"Cannot open %s", "Impossible d'ouvrir %s (%d)"},
      {"100% done", "100% fertig"},
      {"Setup failed", "Installation fehlgeschlagen"},
      {"%s in %s", "%1:s: %0:s"},
  };
  std::vector<std::string> asked_;
};

TEST_F(Translation, TranslatesTheFormatBeforeFillingIn) {
  IEFileRel_NoNetLocation e("Could not find a net install location for %s", "Files1");
  EXPECT_EQ(e.Message(), "Kein Netzinstallationsort f\xfcr Files1 gefunden");
  EXPECT_EQ(asked_, std::vector<std::string>{"Could not find a net install location for %s"});
}

TEST_F(Translation, ArgumentTextIsNotFormattedAgain) {
  IEInstall e("Could not find a net install location for %s", "%s 100% %d");
  EXPECT_EQ(e.Message(), "Kein Netzinstallationsort f\xfcr %s 100% %d gefunden");
  // Nor is it looked up: only the format goes to the translator.
  EXPECT_EQ(asked_.size(), 1u);
}

TEST_F(Translation, TranslationMayReorderArguments) {
  EXPECT_EQ(IEInstallGroup("%s in %s", "File", "Group").Message(), "Group: File");
}

TEST_F(Translation, MessageWithoutArgumentsIsTranslatedNotFormatted) {
  EXPECT_EQ(IEInstall("Setup failed").Message(), "Installation fehlgeschlagen");
  EXPECT_EQ(IEInstall("100% done").Message(), "100% fertig");
  EXPECT_EQ(IEInstall("50% of %s").Message(), "50% of %s");
}

TEST_F(Translation, FaultyTranslationFallsBackToEnglish) {
  // The translation asks for a second argument that the raiser does not give.
  EXPECT_EQ(IECustomInstallFile("Cannot open %s", "a.dll").Message(), "Cannot open a.dll");
}

TEST_F(Translation, FaultyEnglishFormatStillRaises) {
  EXPECT_THROW(IEInstall("Install%d", "not a number"), EConvertError);
}

TEST_F(Translation, OtherExceptionsAreNotTranslated) {
  EXPECT_EQ(EVorlanAbnormal("Setup failed").Message(), "Setup failed");
  EXPECT_EQ(Exception("Setup failed").Message(), "Setup failed");
  EXPECT_EQ(EAIUserAbort().Message(), "Installation aborted by the user");
  EXPECT_TRUE(asked_.empty());
}

TEST(Exceptions, WithoutTranslatorTheEnglishTextStays) {
  EXPECT_EQ(IEInstall("Could not find %s", "x").Message(), "Could not find x");
  EXPECT_EQ(TranslateMessage("Setup failed"), "Setup failed");
}

}  // namespace
}  // namespace vorlan
