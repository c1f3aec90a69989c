#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/sha.h"
#include "component/class_registry.h"
#include "definition_test_classes.h"
#include "engine_fixture.h"
#include "objects/net_install_location.h"
#include "paths/custom_path_specifier.h"

namespace vorlan {
namespace {

using engine_test::EngineFixture;

class EngineCreateTest : public EngineFixture {
 protected:
  EngineCreateTest() { Start(); }
};

TEST_F(EngineCreateTest, NewEngineHasTheDefaults) {
  auto* engine = new TInstall(form.get());
  EXPECT_TRUE(engine->AutoMaximizeWindow());
  EXPECT_FALSE(engine->HideMainForm());
  EXPECT_TRUE(engine->RunAutomatic());
  EXPECT_TRUE(engine->UseLoadingProgram());
  EXPECT_FALSE(engine->Reboot());
  EXPECT_FALSE(engine->NoUninstall());
  EXPECT_EQ(engine->DistributeType(), dtTraditional);
  EXPECT_EQ(engine->NetLocation(), nullptr);
  EXPECT_EQ(engine->InstallTypes(), SetBit(itFull));
  EXPECT_EQ(engine->DestDirType(), form->FindComponent("psProgramFiles"));
  EXPECT_EQ(engine->DestDir(), "\\MyApplication");
  EXPECT_EQ(engine->ArchiveFileType(), form->FindComponent("psMainArchiveFile"));
  EXPECT_EQ(engine->ArchiveFile(), "");
  EXPECT_EQ(engine->Description(), "TInstall component");
  EXPECT_EQ(engine->CompanionSpecifier(), nullptr);
  EXPECT_TRUE(engine->Switches().none());
  EXPECT_FALSE(engine->Activated() || engine->InProgress() || engine->Aborted());
  EXPECT_EQ(TheInstall(), engine);

  EXPECT_TRUE(engine->BuildInfo().AddUninstallOnCreate());
  EXPECT_EQ(engine->BuildInfo().BuildDirectory(), "c:\\build");
  EXPECT_EQ(engine->BuildInfo().OCXName(), "vwsetup");
  EXPECT_FALSE(engine->BuildInfo().SignCode());
  EXPECT_EQ(engine->BuildInfo().VorlanVersion(), "5.20.00");
  EXPECT_EQ(engine->Information().CompanyName(), "My Company");
  EXPECT_EQ(engine->Information().ProductName(), "My product");
  EXPECT_EQ(engine->Information().Version(), "1.0");
  EXPECT_EQ(engine->ProductName(), "My product");
  EXPECT_EQ(engine->RegistrationInformation().RegOwner(), "");
  EXPECT_EQ(engine->PasswordInfo().PasswordTries(), 3);
  EXPECT_EQ(engine->Win2KExtendedInformation().HelpLink(), "");
  EXPECT_TRUE(engine->PresetupFiles().empty());
}

// The test program carries the theme bitmap as the setup program does.
TEST_F(EngineCreateTest, ThemeBitmapComesFromTheProgramsResource) {
  auto* engine = new TInstall(form.get());
  const TPicture& picture = engine->DialogThemeBitmap();
  ASSERT_GT(picture.Data().size(), 40u);
  EXPECT_EQ(picture.Data()[0], 40);  // a bitmap information header, not a file
  EXPECT_EQ(picture.Width(), 117);
  EXPECT_EQ(picture.Height(), 290);
}

TEST_F(EngineCreateTest, SecondEngineIsRefused) {
  auto* first = new TInstall(form.get());
  try {
    new TInstall(form.get());
    FAIL() << "a second engine was made";
  } catch (const IEInstall& error) {
    EXPECT_STREQ(error.what(),
                 "The TInstall component does not currently support the use of 2 TInstall components in the same "
                 "project");
  }
  EXPECT_EQ(TheInstall(), first);
  int engines = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) engines += dynamic_cast<TInstall*>(form->Components(i)) ? 1 : 0;
  EXPECT_EQ(engines, 1);
}

TEST_F(EngineCreateTest, OwnerMustBeAForm) {
  TComponent plain(nullptr);
  EXPECT_THROW(new TInstall(&plain), IEInstall);
  EXPECT_THROW(new TInstall(nullptr), IEInstall);
  EXPECT_EQ(plain.ComponentCount(), 0);
  EXPECT_EQ(TheInstall(), nullptr);
  // The slot stays free for a correct engine.
  EXPECT_NO_THROW(new TInstall(form.get()));
}

TEST_F(EngineCreateTest, DestroyReleasesTheSlotAndTheFormsCallback) {
  int original = 0;
  form->OnActivate().Bind("Original", [&](TObject*) { ++original; });
  ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n    RunAutomatic = False\n"
                            "  end\nend\n");
  ASSERT_NE(form->OnActivate().HandlerName(), "Original");
  delete Engine();
  EXPECT_EQ(TheInstall(), nullptr);
  EXPECT_EQ(form->OnActivate().HandlerName(), "Original");
  form->Activate();
  EXPECT_EQ(original, 1);
}

TEST_F(EngineCreateTest, PresetupFilesDropBlankLines) {
  auto* engine = new TInstall(form.get());
  engine->SetPresetupFiles({"C:\\One\\a.dll", "   ", "", "b.exe"});
  EXPECT_EQ(engine->PresetupFiles(), (TStringList{"C:\\One\\a.dll", "b.exe"}));
}

TEST_F(EngineCreateTest, PasswordTriesBelowOneStoreOne) {
  auto* engine = new TInstall(form.get());
  for (int tries : {0, -5, 1, 7}) {
    engine->PasswordInfo().SetPasswordTries(tries);
    EXPECT_EQ(engine->PasswordInfo().PasswordTries(), tries < 1 ? 1 : tries) << tries;
  }
}

TEST_F(EngineCreateTest, PasswordKeepsOnlyItsDigest) {
  auto* engine = new TInstall(form.get());
  engine->PasswordInfo().SetPassword("abc");
  EXPECT_EQ(engine->PasswordInfo().Password(), "$A9993E364706816ABA3E25717850C26C9CD0D89D");
  // Assigning copies into the engine's own object.
  TPasswordInfo other;
  other.SetPassword("");
  other.SetPasswordTries(5);
  engine->SetPasswordInfo(other);
  EXPECT_EQ(engine->PasswordInfo().Password(), "$" + DigestToHex(Sha1("")));
  EXPECT_EQ(engine->PasswordInfo().PasswordTries(), 5);
}

TEST_F(EngineCreateTest, StoredPasswordReadsBackUnchanged) {
  TInstall& engine = Load("    RunAutomatic = False\n"
                          "    PasswordInfo.Password = '$A9993E364706816ABA3E25717850C26C9CD0D89D'\n");
  EXPECT_EQ(engine.PasswordInfo().Password(), "$A9993E364706816ABA3E25717850C26C9CD0D89D");
}

TEST_F(EngineCreateTest, WindowFlagsTurnEachOtherOffOutsideLoading) {
  auto* engine = new TInstall(form.get());
  engine->SetHideMainForm(true);
  EXPECT_FALSE(engine->AutoMaximizeWindow());
  engine->SetAutoMaximizeWindow(true);
  EXPECT_FALSE(engine->HideMainForm());
  engine->SetAutoMaximizeWindow(false);
  engine->SetHideMainForm(false);
  EXPECT_FALSE(engine->AutoMaximizeWindow());
}

TEST_F(EngineCreateTest, WindowFlagsKeepTheirStoredValuesWhileLoading) {
  TInstall& engine = Load("    HideMainForm = True\n    AutoMaximizeWindow = True\n    RunAutomatic = False\n");
  EXPECT_TRUE(engine.HideMainForm());
  EXPECT_TRUE(engine.AutoMaximizeWindow());
}

TEST_F(EngineCreateTest, EmptyInstallTypesStoreFull) {
  auto* engine = new TInstall(form.get());
  engine->SetInstallTypes(0);
  EXPECT_EQ(engine->InstallTypes(), SetBit(itFull));
}

TEST_F(EngineCreateTest, UseLoadingProgramPutsTheMainArchiveBack) {
  auto* engine = new TInstall(form.get());
  engine->SetArchiveFileType(nullptr);
  engine->SetArchiveFile("other.1");
  engine->SetUseLoadingProgram(true);
  EXPECT_EQ(engine->ArchiveFileType(), form->FindComponent("psMainArchiveFile"));
  EXPECT_EQ(engine->ArchiveFile(), "");
}

TEST_F(EngineCreateTest, DistributeTypeOnlyWhileAuthoring) {
  auto* engine = new TInstall(form.get());
  try {
    engine->SetDistributeType(dtTraditional);
    FAIL() << "set at run time";
  } catch (const IEInstall& error) {
    EXPECT_STREQ(error.what(), "DistributeType can only be set at design-time");
  }
}

class TTestNetLocation : public TCustomNetInstallLocation {
 public:
  using TCustomNetInstallLocation::TCustomNetInstallLocation;
  void Download(const std::string&, const std::string&) override {}
};

TEST_F(EngineCreateTest, RemoteDistributionNeedsANetLocation) {
  form->SetStateFlag(csDesigning, true);
  auto* engine = new TInstall(form.get());
  try {
    engine->SetDistributeType(dtWeb);
    FAIL() << "no location";
  } catch (const IEInstallNetLocNil& error) {
    EXPECT_STREQ(error.what(),
                 "Must assign a net location via the NetLocation property before you can set the distribute type");
  }
  auto* location = new TTestNetLocation(form.get());
  engine->SetNetLocation(location);
  engine->SetDistributeType(dtWeb);
  EXPECT_EQ(engine->DistributeType(), dtWeb);
  EXPECT_EQ(engine->DefaultNetLocation(), location);
  delete location;
  EXPECT_EQ(engine->NetLocation(), nullptr);
  EXPECT_EQ(engine->DistributeType(), dtTraditional);
  engine->SetNetLocation(new TTestNetLocation(form.get()));
  engine->SetDistributeType(dtTraditionalNet);
  engine->SetNetLocation(nullptr);
  EXPECT_EQ(engine->DistributeType(), dtTraditional);
}

// Stands in for the translation module's class.
class TTranslator : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  using TComponent::TComponent;
};

const TClassInfo& TTranslator::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTranslator, TComponent>("TTranslator");
  return info;
}

TEST_F(EngineCreateTest, AuthoringEngineBringsATranslatorUntilLoaded) {
  Classes().Register(TTranslator::StaticClassInfo());
  form->SetStateFlag(csDesigning, true);
  (new TComponent(form.get()))->SetName("MainTranslator");
  auto* engine = new TInstall(form.get());
  auto* translator = dynamic_cast<TTranslator*>(form->FindComponent("MainTranslator1"));
  ASSERT_NE(translator, nullptr);
  delete engine;

  // A form that has one gets none; a definition read while authoring
  // frees the one its engine made.
  Load("", {}, {.authoring = true});
  EXPECT_EQ(form->FindComponent("MainTranslator"), nullptr);
  (new TTranslator(form.get()))->SetName("Mine");
  delete Engine();
  new TInstall(form.get());
  EXPECT_EQ(form->FindComponent("MainTranslator"), nullptr);
}

TEST_F(EngineCreateTest, DefinitionFillsTheOwnedObjects) {
  TInstall& engine = Load("    RunAutomatic = False\n"
                          "    Information.ProductName = 'Zarvik Console'\n"
                          "    BuildInfo.BuildDirectory = 'd:\\out'\n"
                          "    PasswordInfo.PasswordTries = 0\n"
                          "    win2KExtendedInformation.HelpLink = 'http://help.example'\n"
                          "    PresetupFiles = ('a.dll' '  ' 'b.dll')\n");
  EXPECT_EQ(engine.ProductName(), "Zarvik Console");
  EXPECT_EQ(engine.BuildInfo().BuildDirectory(), "d:\\out");
  EXPECT_EQ(engine.PasswordInfo().PasswordTries(), 1);
  EXPECT_EQ(engine.Win2KExtendedInformation().HelpLink(), "http://help.example");
  EXPECT_EQ(engine.PresetupFiles(), (TStringList{"a.dll", "b.dll"}));
}

}  // namespace
}  // namespace vorlan
