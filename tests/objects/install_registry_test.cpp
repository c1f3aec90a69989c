#include <gtest/gtest.h>

#include "component/definition_reader.h"
#include "objects/install_registry.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_variable.h"
#include "system/registry_routines.h"
#include "tree_fixture.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using namespace tree_test;

class InstallRegistryTest : public vorlan::testing::RegistryKeyTest {
 protected:
  void SetUp() override {
    RegistryKeyTest::SetUp();
    RegisterObjectsModule(scope_);
    Log().clear();
  }
  void TearDown() override {
    form_.DestroyComponents();
    RegistryKeyTest::TearDown();
  }

  TInstallRegistry* MakeRegistry(const std::string& name) {
    auto* registry = new TInstallRegistry(&form_);
    registry->SetName(name);
    registry->SetRootKey(hkCurrentUser);
    registry->SetKey(KeyPath() + "\\" + name);
    return registry;
  }

  static TRegistryEntry& AddEntry(TInstallRegistry* registry, const std::string& ident) {
    auto& entry = static_cast<TRegistryEntry&>(registry->Entries().Add());
    entry.SetIdent(ident);
    return entry;
  }

  TCustomPathSpecifier* Specifier(const std::string& name) const {
    return dynamic_cast<TCustomPathSpecifier*>(form_.FindComponent(name));
  }

  ProgramScope scope_;
  testing_classes::TTestForm form_{nullptr};
};

TEST_F(InstallRegistryTest, WritesEachTypeOfValue) {
  auto* registry = MakeRegistry("Values");
  AddEntry(registry, "Path").SetText("C:\\App");
  AddEntry(registry, "Count").SetInteger(42);
  AddEntry(registry, "Enabled").SetBoolean(true);
  registry->InstallObjects();
  std::string key = KeyPath() + "\\Values";
  EXPECT_EQ(ReadRegString(hkCurrentUser, key, "Path", ""), "C:\\App");
  EXPECT_EQ(ReadRegInteger(hkCurrentUser, key, "Count", 0), 42);
  EXPECT_EQ(ReadRegInteger(hkCurrentUser, key, "Enabled", 0), 1);
  EXPECT_TRUE(registry->Processed());
}

TEST_F(InstallRegistryTest, PathVariableEscapes) {
  struct {
    const char* text;
    const char* expanded;
  } cases[] = {{"%p\\tool.exe", "C:\\Program Files\\tool.exe"},
               {"%P", "C:\\Program Files"},
               {"100%%", "100%"},
               {"%x", "x"},
               {"tail%", "tail"},
               {"plain", "plain"}};
  for (const auto& c : cases) EXPECT_EQ(ExpandPathVariable(c.text, "C:\\Program Files"), c.expanded) << c.text;
}

TEST_F(InstallRegistryTest, EntryWithASpecifierWritesItsPath) {
  auto* registry = MakeRegistry("Paths");
  TRegistryEntry& entry = AddEntry(registry, "Tool");
  entry.SetInteger(1);
  entry.SetPathSpecifier(Specifier("psProgramFiles"));
  EXPECT_EQ(entry.Text(), "%p");
  EXPECT_EQ(entry.EntryType(), retText);
  entry.SetText("%p\\tool.exe");
  registry->InstallObjects();
  std::string program_files = Specifier("psProgramFiles")->GetPath(registry);
  EXPECT_EQ(ReadRegString(hkCurrentUser, KeyPath() + "\\Paths", "Tool", ""), program_files + "\\tool.exe");
}

TEST_F(InstallRegistryTest, HandlerMaySkipOneValue) {
  auto* registry = MakeRegistry("Skip");
  AddEntry(registry, "First").SetText("1");
  AddEntry(registry, "Second").SetText("2");
  AddEntry(registry, "Third").SetText("3");
  std::vector<std::string> asked;
  registry->OnBeforeWriteEntry().Assign([&](TCustomInstallRegistry*, TRegistryEntry& entry, bool& go_on) {
    asked.push_back(entry.Ident());
    go_on = entry.Ident() != "Second";
  });
  registry->InstallObjects();
  EXPECT_EQ(asked, (std::vector<std::string>{"First", "Second", "Third"}));
  std::string key = KeyPath() + "\\Skip";
  EXPECT_EQ(ReadRegString(hkCurrentUser, key, "Second", "none"), "none");
  EXPECT_EQ(ReadRegString(hkCurrentUser, key, "Third", ""), "3");
}

TEST_F(InstallRegistryTest, KeyThatCannotBeCreatedIsReported) {
  auto* registry = MakeRegistry("Nowhere");
  const std::string too_long = KeyPath() + "\\" + std::string(300, 'k');  // names stop at 255 characters
  registry->SetKey(too_long);
  AddEntry(registry, "Value").SetText("x");
  try {
    registry->InstallObjects();
    FAIL();
  } catch (const IERegistryEntry& e) {
    EXPECT_EQ(std::string(e.what()), "Nowhere cannot create the key " + too_long + " in the registry");
  }
}

TEST_F(InstallRegistryTest, KeyFromTheProductNeedsAnEngine) {
  auto* registry = MakeRegistry("Product");
  EXPECT_THROW(registry->SetKeySpecifierType(ksProductName), IEInstallRegistry);
  auto* engine = new TTestEngine(&form_);
  engine->product_name = "Tool";
  registry->SetRootKey(hkCurrentUser);
  registry->SetKeySpecifierType(ksProductName);
  EXPECT_EQ(registry->RootKey(), hkLocalMachine);
  EXPECT_EQ(registry->Key(), "");
  registry->SetKey("\\Ignored");
  EXPECT_EQ(registry->Key(), "");
  EXPECT_EQ(registry->GetKeyPath(), "\\SOFTWARE\\Acme\\Tool");
  registry->SetKeySpecifierType(ksVersion);
  EXPECT_EQ(registry->GetKeyPath(), "\\SOFTWARE\\Acme\\Tool\\2.1");
  delete engine;
  EXPECT_EQ(registry->KeySpecifierType(), ksAbsolute);
}

TEST_F(InstallRegistryTest, EachObjectIsRecordedForTheUninstaller) {
  auto* first = MakeRegistry("First");
  AddEntry(first, "A").SetText("1");
  auto* second = MakeRegistry("Second");
  AddEntry(second, "B").SetInteger(2);
  first->RegisterUninstall(KeyPath());
  second->RegisterUninstall(KeyPath());
  std::string list = KeyPath() + "\\RegistryKeys";
  EXPECT_EQ(ReadRegString(hkLocalMachine, list, "Entries", ""), "2");
  EXPECT_EQ(ReadRegString(hkLocalMachine, list + "\\RegistryKey2", "Key", ""), KeyPath() + "\\Second");
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, list + "\\RegistryKey1", "Root", -1), hkCurrentUser);
  EXPECT_EQ(ReadRegString(hkLocalMachine, list + "\\RegistryKey1\\Entries", "A", ""), "1");
}

// Run again, or another object with the same key: the key's one record
// takes the values of both; the same key under another root is a key of
// its own.
TEST_F(InstallRegistryTest, TheSameKeyIsRecordedOnce) {
  auto* first = MakeRegistry("Same");
  AddEntry(first, "A").SetText("1");
  auto* again = MakeRegistry("Again");
  again->SetKey(first->Key());
  AddEntry(again, "B").SetText("2");
  auto* elsewhere = MakeRegistry("Elsewhere");
  elsewhere->SetKey(first->Key());
  elsewhere->SetRootKey(hkLocalMachine);
  for (TInstallRegistry* registry : {first, first, again, elsewhere}) registry->RegisterUninstall(KeyPath());
  std::string list = KeyPath() + "\\RegistryKeys";
  EXPECT_EQ(ReadRegString(hkLocalMachine, list, "Entries", ""), "2");
  EXPECT_EQ(ReadRegString(hkLocalMachine, list + "\\RegistryKey1\\Entries", "A", ""), "1");
  EXPECT_EQ(ReadRegString(hkLocalMachine, list + "\\RegistryKey1\\Entries", "B", ""), "2");
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, list + "\\RegistryKey2", "Root", -1), hkLocalMachine);
  EXPECT_EQ(ReadRegString(hkLocalMachine, list + "\\RegistryKey2", "Key", ""), first->Key());
}

TEST_F(InstallRegistryTest, LoadingKeepsTheStoredTypes) {
  ReadDefinitionInto(form_, "object Form: TTestForm\n"
                            "  object Reg: TInstallRegistry\n"
                            "    Entries = <\n"
                            "      item\n"
                            "        EntryType = retInteger\n"
                            "        Ident = 'Build'\n"
                            "        Integer = 7\n"
                            "        Text = 'kept'\n"
                            "        PathSpecifier = psWindow\n"
                            "      end>\n"
                            "  end\n"
                            "end\n");
  auto* registry = dynamic_cast<TInstallRegistry*>(form_.FindComponent("Reg"));
  TRegistryEntry& entry = registry->Entries().Items(0);
  EXPECT_EQ(entry.EntryType(), retInteger);
  EXPECT_EQ(entry.Text(), "kept");
  delete Specifier("psWindow");
  EXPECT_EQ(entry.PathSpecifier(), nullptr);
  EXPECT_EQ(entry.EntryType(), retInteger);
}

TEST_F(InstallRegistryTest, ProcessesItselfOnRequest) {
  auto* registry = MakeRegistry("OnRequest");
  AddEntry(registry, "V").SetText("x");
  registry->HandleMessage(nullptr, stage::kRegistryRequest, {});
  EXPECT_EQ(ReadRegString(hkCurrentUser, KeyPath() + "\\OnRequest", "V", ""), "x");
  EXPECT_THROW(TRegistryEntries(nullptr), IERegistryEntries);
}

}  // namespace
}  // namespace vorlan
