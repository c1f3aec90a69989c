// The uninstaller object: the Add/Remove Programs entry it writes instead of
// a file record, the definition it allows, the framework's uninstaller
// taken while authoring, and the entry as Wine's own uninstaller lists it.

#include <windows.h>

#include <functional>

#include "base/file.h"
#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/read_error.h"
#include "file_fixture.h"
#include "objects/framework_directory.h"
#include "objects/uninstall_exe.h"
#include "program_run.h"
#include "saved_registry_value.h"
#include "system/system_dirs.h"

namespace vorlan::file_test {
namespace {

bool KeyExists(const std::string& key) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  return registry.KeyExists(key);
}

class UninstallEXETest : public FileFixture {
 public:
  // For the arrangements of the case table.
  using FileFixture::DestPath;
  using FileFixture::engine;

 protected:
  UninstallEXETest() {
    uninstaller = Make<TUninstallEXE>("Uninstaller", directory);
    uninstaller->SetDestName("uninstall.exe");
  }

 public:
  // A file of the tree whose processed flag says whether this run installed it.
  TInstallFile* FileOfTheRun(const std::string& name, const std::string& dest_name, bool processed) {
    auto* file = Make<TInstallFile>(name, directory);
    file->SetDestName(dest_name);
    file->SetProcessed(processed);
    return file;
  }

  TControlPanelExtensionInformation& Extended() { return engine->extended_information; }

 protected:
  TUninstallEXE* uninstaller = nullptr;
};

// One arrangement of the engine and the values of the entry it gives.
struct EntryCase {
  const char* what;
  std::function<void(UninstallEXETest&)> arrange;
  // The values besides DisplayName and UninstallString.
  std::function<Values(UninstallEXETest&)> more;
  std::string shown_name = "product";
};

class UninstallEntryTest : public UninstallEXETest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(UninstallEntryTest, HoldsWhatTheEngineKnows) {
  const EntryCase& c = GetParam();
  const std::string key = UninstallKey();
  const std::string product = engine->product_name;
  c.arrange(*this);
  uninstaller->RegisterUninstall(key);
  std::string shown = c.shown_name == "product" ? product : c.shown_name;
  Values expected = c.more(*this);
  expected["DisplayName"] = shown;
  expected["UninstallString"] = "\"" + DestPath("uninstall.exe") + "\" " + shown;
  EXPECT_EQ(ReadValues(key), expected);
  // The fixture removes the entry of the product's own name.
  engine->product_name = product;
}

Values ProductValues(UninstallEXETest&) { return {{"DisplayVersion", "2.1"}, {"Publisher", "Acme"}}; }

const EntryCase kEntryCases[] = {
    {"NoExtendedTexts", [](UninstallEXETest&) {}, ProductValues},
    {"EveryTextAndBothFilesOfTheRun",
     [](UninstallEXETest& t) {
       t.engine->reg_company = "Zarvik Software";
       t.engine->reg_owner = "Ada";
       TControlPanelExtensionInformation& x = t.Extended();
       x.SetComments("Remarks");
       x.SetContact("Support desk");
       x.SetHelpLink("http://help.example");
       x.SetHelpTelephone("555-0100");
       x.SetProductID("PID-7");
       x.SetURLInfoAbout("http://about.example");
       x.SetURLUpdateInfo("http://update.example");
       x.SetDisplayIcon(t.FileOfTheRun("Icon", "app.exe", true));
       x.SetReadMe(t.FileOfTheRun("ReadMe", "readme.txt", true));
     },
     [](UninstallEXETest& t) {
       return Values{{"Comments", "Remarks"},
                     {"Contact", "Support desk"},
                     {"DisplayIcon", t.DestPath("app.exe")},
                     {"DisplayVersion", "2.1"},
                     {"HelpLink", "http://help.example"},
                     {"HelpTelephone", "555-0100"},
                     {"Publisher", "Acme"},
                     {"ProductID", "PID-7"},
                     {"Readme", t.DestPath("readme.txt")},
                     {"URLInfoAbout", "http://about.example"},
                     {"URLUpdateInfo", "http://update.example"},
                     {"RegCompany", "Zarvik Software"},
                     {"RegOwner", "Ada"}};
     }},
    {"ReadMeLeftOutByTheInstallType",
     [](UninstallEXETest& t) {
       t.Extended().SetDisplayIcon(t.FileOfTheRun("Icon", "app.exe", true));
       t.Extended().SetReadMe(t.FileOfTheRun("ReadMe", "readme.txt", false));
     },
     [](UninstallEXETest& t) {
       Values values = ProductValues(t);
       values["DisplayIcon"] = t.DestPath("app.exe");
       return values;
     }},
    {"ProductNameTrimmedAndEmptyValuesLeftOut",
     [](UninstallEXETest& t) {
       t.engine->product_name = "  " + t.engine->product_name + " ";
       t.engine->version.clear();
       t.engine->company_name.clear();
     },
     [](UninstallEXETest&) { return Values{}; }},
    {"EmptyProductName", [](UninstallEXETest& t) { t.engine->product_name.clear(); }, ProductValues, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, UninstallEntryTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(UninstallEXETest, WithoutAnEngineNothingIsWritten) {
  const std::string key = UninstallKey();
  const std::string product = engine->product_name;
  delete engine;
  try {
    uninstaller->RegisterUninstall(key);
    ADD_FAILURE() << "an entry was written without an engine";
  } catch (const IEUninstallEXE& error) {
    EXPECT_STREQ(error.what(),
                 "Uninstaller could not write information about the uninstall to the registry because there was no "
                 "TInstall component");
  }
  EXPECT_FALSE(KeyExists(key));
  // The fixture cleans up after the product of an engine.
  engine = Make<tree_test::TTestEngine>("Engine");
  engine->product_name = product;
}

TEST_F(UninstallEXETest, ProcessingWritesTheEntryInsteadOfAFileRecord) {
  testing::WriteWholeFile(temp.Path("uninstall.exe"), "program");
  uninstaller->SetIncludeFromDir(temp.Dir());
  uninstaller->SetFileName("uninstall.exe");
  TInstallFile* other = MakeFile("Other", "app.txt");
  for (TCustomInstallFile* file : {static_cast<TCustomInstallFile*>(uninstaller), static_cast<TCustomInstallFile*>(other)}) {
    file->Compress();
    file->ReadInfoFromArchive();
    file->Process();
  }
  EXPECT_EQ(testing::ReadWholeFile(DestPath("uninstall.exe")), "program");
  Values entry = ReadValues(UninstallKey());
  EXPECT_EQ(entry["DisplayName"], engine->product_name);
  EXPECT_EQ(entry["UninstallString"], "\"" + DestPath("uninstall.exe") + "\" " + engine->product_name);
  // The uninstaller is not among the files it removes.
  EXPECT_EQ(ReadValues(UninstallKey() + "\\Files"), (Values{{"Entries", "1"}, {"File1", DestPath("app.txt")}}));
}

TEST_F(UninstallEXETest, GoingAwayStopsTheAuthoringToolAddingAnother) {
  delete uninstaller;
  EXPECT_FALSE(engine->add_uninstall_on_create);
}

TEST_F(UninstallEXETest, DefinitionHoldsOnlyTheUninstallersProperties) {
  Classes().Register(tree_test::TTestEngine::StaticClassInfo());
  uninstaller->SetOrder(3);
  form.SetName("Form");
  std::string written = WriteDefinition(form);
  std::string own = written.substr(written.find("object Uninstaller: TUninstallEXE"));
  own = own.substr(0, own.find("\n  end\n"));
  EXPECT_EQ(own.find("Net ="), std::string::npos) << "Net is True by default here: " << own;
  EXPECT_NE(own.find("Order = 3"), std::string::npos) << own;
  testing_classes::TTestForm again(nullptr);
  ReadDefinitionInto(again, written);
  auto* read = dynamic_cast<TUninstallEXE*>(again.FindComponent("Uninstaller"));
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->Net());
  EXPECT_EQ(read->Order(), 3);
  EXPECT_EQ(read->DestName(), "uninstall.exe");
  EXPECT_EQ(WriteDefinition(again), written);

  // An operation named in a definition is not run while it is read.
  testing_classes::TTestForm operation(nullptr);
  EXPECT_NO_THROW(ReadDefinitionInto(operation, "object Form: TTestForm\n object U: TUninstallEXE\n"
                                                "  State = ifsCopying\n end\nend\n"));
  EXPECT_EQ(dynamic_cast<TUninstallEXE*>(operation.FindComponent("U"))->State(), ifsNone);

  for (const char* property : {"ActiveX = True", "InstallAttributes = [vfaHidden]", "OS = [oswinXP]",
                               "RegisterAsHelp = True", "RunAfterInstall = True", "RunParameters = '/s'",
                               "Uninstall = False"}) {
    SCOPED_TRACE(property);
    testing_classes::TTestForm refused(nullptr);
    EXPECT_THROW(ReadDefinitionInto(refused, std::string("object Form: TTestForm\n object U: TUninstallEXE\n  ") +
                                                 property + "\n end\nend\n"),
                 EReadError);
  }
}

TEST_F(UninstallEXETest, AuthoringTakesTheFrameworksUninstaller) {
  testing::TSavedRegistryValue search_path(HKEY_CURRENT_USER, std::string(kEnvironmentKey).substr(1),
                                           kSearchPathValue);
  std::string framework = temp.Path("framework");
  ForceDirectories(framework);
  testing::WriteWholeFile(framework + "\\" + kFrameworkMarker, "");
  form.SetStateFlag(csDesigning, true);
  struct {
    const char* what;
    std::string search_path;
    bool with_program;
    std::string include_from_dir, file_name;
  } const cases[] = {
      {"framework with the program", temp.Path("missing") + ";" + framework + "\\", true, framework, "uninstall.exe"},
      {"framework without it", framework, false, "", ""},
      {"no framework directory", temp.Path("missing"), false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    search_path.Set(c.search_path);
    if (c.with_program) testing::WriteWholeFile(framework + "\\uninstall.exe", "program");
    auto* authored = new TUninstallEXE(&form);
    EXPECT_EQ(authored->IncludeFromDir(), c.include_from_dir);
    EXPECT_EQ(authored->FileName(), c.file_name);
    EXPECT_EQ(authored->DestName(), c.file_name);
    EXPECT_TRUE(authored->Net());
    delete authored;
    DeleteFileA((framework + "\\uninstall.exe").c_str());
  }
}

TEST_F(UninstallEXETest, WinesUninstallerListsTheProduct) {
  uninstaller->RegisterUninstall(UninstallKey());
  testing::TProgramRun run = testing::RunProgram(AddBackslash(GetSystemDir()) + "uninstaller.exe --list");
  ASSERT_TRUE(run.ended) << run.output;
  EXPECT_NE(run.output.find("|||" + engine->product_name), std::string::npos) << run.output;
  DeleteRegKeyTree(hkLocalMachine, UninstallKey());
  run = testing::RunProgram(AddBackslash(GetSystemDir()) + "uninstaller.exe --list");
  EXPECT_EQ(run.output.find(engine->product_name), std::string::npos) << run.output;
}

}  // namespace
}  // namespace vorlan::file_test
