// Definitions that hold specifiers: read, expanded, written and refused.

#include <gtest/gtest.h>

#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/handler_registry.h"
#include "component/read_error.h"
#include "objects/install_directory.h"
#include "objects/container_specifiers.h"
#include "objects/file_container_specifier.h"
#include "paths/folder_specifiers.h"
#include "paths/office_folder_specifiers.h"
#include "paths/office_paths.h"
#include "paths/path_exceptions.h"
#include "paths/path_specifier.h"
#include "paths/path_specifier_class_list.h"
#include "paths/path_specifier_list.h"
#include "paths/windows_folder_specifiers.h"
#include "tree_objects.h"

namespace vorlan {
namespace {

using testing::TPathTestLink;

class SpecifierDefinitionTest : public testing::TreeTest {
 protected:
  SpecifierDefinitionTest() {
    Handlers().Register("ToolsPath", TCustomPathSpecifier::TGetPathEvent::Function(
                                         [](TInstallContainer*, std::string& path) { path = "T:\\Tools"; }));
  }

  template <typename T>
  T& Held(const char* name) {
    T* found = dynamic_cast<T*>(form.FindComponent(name));
    if (!found) throw std::runtime_error(std::string("no ") + name);
    return *found;
  }

  int CountOf(const TClassInfo& info) {
    int count = 0;
    for (int i = 0; i < form.ComponentCount(); ++i) count += form.Components(i)->ClassInfo().InheritsFrom(info);
    return count;
  }
};

const char kTree[] = R"(object Form1: TTestForm
  object psProgramFiles: TpsProgramFiles
  end
  object Install1: TTestEngine
    DestDir = 'C:\Apps'
  end
  object Dir1: TInstallDirectory
    Container = Install1
    DestDirType = psContainerDestDir
    DestDir = '\Docs'
    Description = 'Documents'
  end
  object psFileContainer: TpsFileContainer
    FileContainer = Dir1
  end
  object Link1: TPathTestLink
    DestDirType = psFileContainer
    DestDir = '\Manual'
  end
  object Tools: TPathSpecifier
    Description = 'Tool directory'
    OnGetPath = ToolsPath
  end
  object Link2: TPathTestLink
    DestDirType = Tools
    DestDir = '\Bin'
  end
  object psContainerDestDir: TpsContainerDestDir
  end
end
)";

TEST_F(SpecifierDefinitionTest, ATreeWithItsSpecifiersLoadsAndExpands) {
  ReadDefinitionInto(form, kTree);
  // The stored specifiers are the instances the first install object brought.
  EXPECT_EQ(AllPathSpecifiers().Count(), PathSpecifierClasses().Count() + 2);
  EXPECT_EQ(CountOf(TpsProgramFiles::StaticClassInfo()), 1);
  EXPECT_EQ(CountOf(TpsContainerDestDir::StaticClassInfo()), 1);
  EXPECT_EQ(CountOf(TpsFileContainer::StaticClassInfo()), 1);

  auto& dir = Held<TInstallDirectory>("Dir1");
  EXPECT_EQ(dir.CompanionSpecifier(), &Held<TpsFileContainer>("psFileContainer"));
  EXPECT_EQ(dir.GetDestinationPath(), "C:\\Apps\\Docs");
  EXPECT_EQ(Held<TPathTestLink>("Link1").GetDestinationPath(), "C:\\Apps\\Docs\\Manual");
  EXPECT_EQ(Held<TPathTestLink>("Link2").GetDestinationPath(), "T:\\Tools\\Bin");
  EXPECT_EQ(Held<TPathSpecifier>("Tools").GetDescription(), "Tool directory");
}

TEST_F(SpecifierDefinitionTest, WhatIsWrittenReadsBackTheSame) {
  ReadDefinitionInto(form, kTree);
  std::string text = WriteDefinition(form);
  EXPECT_NE(text.find("object psProgramFiles: TpsProgramFiles"), std::string::npos) << text;
  EXPECT_NE(text.find("FileContainer = Dir1"), std::string::npos) << text;
  EXPECT_NE(text.find("OnGetPath = ToolsPath"), std::string::npos) << text;

  form.DestroyComponents();
  ReadDefinitionInto(form, text);
  EXPECT_EQ(WriteDefinition(form), text);
  EXPECT_EQ(Held<TPathTestLink>("Link1").GetDestinationPath(), "C:\\Apps\\Docs\\Manual");
}

TEST_F(SpecifierDefinitionTest, StoredCompanionsTakeTheirOwnContainersWhateverTheNamesMade) {
  // Saved after an earlier directory had gone: the names no longer match
  // the order in which the directories make their companions.
  ReadDefinitionInto(form, R"(object Form1: TTestForm
  object Dir2: TInstallDirectory
    Description = 'Two'
  end
  object psFileContainer1: TpsFileContainer
    FileContainer = Dir2
  end
  object Dir3: TInstallDirectory
    Description = 'Three'
  end
  object psFileContainer: TpsFileContainer
    FileContainer = Dir3
  end
end
)");
  EXPECT_EQ(CountOf(TpsFileContainer::StaticClassInfo()), 2);
  auto& two = Held<TpsFileContainer>("psFileContainer1");
  auto& three = Held<TpsFileContainer>("psFileContainer");
  EXPECT_EQ(two.FileContainer(), &Held<TInstallDirectory>("Dir2"));
  EXPECT_EQ(three.FileContainer(), &Held<TInstallDirectory>("Dir3"));
  EXPECT_EQ(Held<TInstallDirectory>("Dir2").CompanionSpecifier(), &two);
  EXPECT_EQ(Held<TInstallDirectory>("Dir3").CompanionSpecifier(), &three);
}

TEST_F(SpecifierDefinitionTest, WindowsAndOfficeFoldersAreStoredAndReferencedByName) {
  ReadDefinitionInto(form, R"(object Form1: TTestForm
  object Link1: TPathTestLink
    DestDirType = psCommonPrograms
    DestDir = '\Zarvik'
  end
  object psOfficeToolsDirectory: TpsOfficeToolsDirectory
  end
  object Link2: TPathTestLink
    DestDirType = psOfficeToolsDirectory
  end
end
)");
  EXPECT_EQ(CountOf(TpsOfficeToolsDirectory::StaticClassInfo()), 1);
  auto& link1 = Held<TPathTestLink>("Link1");
  EXPECT_EQ(link1.DestDirType(), &Held<TpsCommonPrograms>("psCommonPrograms"));
  EXPECT_EQ(link1.GetDestinationPath(), Held<TpsCommonPrograms>("psCommonPrograms").GetPath(&link1) + "\\Zarvik");
  EXPECT_EQ(Held<TPathTestLink>("Link2").GetDestinationPath(),
            OfficeWordOptionPath("TOOLS-PATH", "Microsoft Office\\Office"));

  std::string text = WriteDefinition(form);
  EXPECT_NE(text.find("object psQuickLaunchMenu: TpsQuickLaunchMenu"), std::string::npos) << text;
  EXPECT_NE(text.find("DestDirType = psCommonPrograms"), std::string::npos) << text;
  form.DestroyComponents();
  ReadDefinitionInto(form, text);
  EXPECT_EQ(WriteDefinition(form), text);
}

TEST_F(SpecifierDefinitionTest, RefusedSpecifiersLoadAndRaiseAtExpansion) {
  ReadDefinitionInto(form, R"(object Form1: TTestForm
  object Install1: TTestEngine
    DestDirType = psMainInstall
  end
  object Lonely: TPathTestLink
    DestDirType = psContainerDestDir
  end
  object Dir1: TInstallDirectory
    Container = Install1
    DestDirType = psFileContainer
  end
  object psFileContainer: TpsFileContainer
    FileContainer = Dir1
  end
end
)");
  struct Case {
    const char* object;
    const char* message;
  } cases[] = {
      {"Install1", "Cannot use the ddMainInstallDir path specifier for a TInstall component"},
      {"Lonely", "Cannot use ddContainerDestDir for Lonely unless you assign a Container"},
      // Its own root would expand into itself.
      {"Dir1", "A file container cannot reference another file container or group"},
  };
  for (const Case& c : cases) {
    try {
      Held<TInstallContainer>(c.object).GetDestinationPath();
      ADD_FAILURE() << c.object << " expanded";
    } catch (const IEPathSpecifier& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST_F(SpecifierDefinitionTest, AWrongReferenceLeavesNothingBehind) {
  EXPECT_THROW(ReadDefinitionInto(form, R"(object Form1: TTestForm
  object Link1: TPathTestLink
  end
  object psFileContainer: TpsFileContainer
    FileContainer = Link1
  end
end
)"),
               EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(AllPathSpecifiers().Count(), 0);
}

}  // namespace
}  // namespace vorlan
