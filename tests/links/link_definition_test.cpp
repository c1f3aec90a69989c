#include <gtest/gtest.h>

#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "links/install_main_link.h"
#include "links/install_shell_link.h"
#include "links/main_link_group.h"
#include "links/ps_object_link.h"
#include "link_fixture.h"
#include "objects/install_directory.h"
#include "objects/container_specifiers.h"
#include "paths/folder_specifiers.h"

namespace vorlan {
namespace {

class LinkDefinitionTest : public links_test::LinkFixture {
 protected:
  LinkDefinitionTest() { Classes().Register(tree_test::TTestEngine::StaticClassInfo()); }

  template <typename T>
  T* Object(TComponent& root, const std::string& name) const {
    return dynamic_cast<T*>(root.FindComponent(name));
  }
};

const char* const kLinks = R"(object Form: TTestForm
  object Engine: TTestEngine
    DestDirType = psProgramFiles
    DestDir = '\Zarvik\Product'
  end
  object Bin: TInstallDirectory
    Container = Engine
    DestDirType = psContainerDestDir
    DestDir = '\bin'
    Description = 'Programs'
  end
  object ProductFolder: TMainLinkGroup
    DestDir = '\Zarvik Product'
  end
  object Start: TInstallMainLink
    Container = ProductFolder
    LinkName = 'Start Product.lnk'
    ObjectLink = Bin
    ObjectLocationType = psObjectLink
    HotKey = 852
    Method = mtShellLinkInterface
    Parameters = '%i\data'
  end
  object Desk: TInstallShellLink
    Container = Bin
    DestDirType = psDesktopMenu
    LinkName = 'Product Site.URL'
    ObjectLocation = 'http://www.zarvik.example/'
    IconFilePath = 'C:\icons.dll'
    IconIndex = 3
    WorkingDir = 'C:\work'
    HardLink = True
    Uninstall = False
  end
end
)";

TEST_F(LinkDefinitionTest, DefinitionHoldsFoldersAndShortcutsAndRoundTrips) {
  ReadDefinitionInto(form, kLinks);
  auto* folder = Object<TMainLinkGroup>(form, "ProductFolder");
  auto* start = Object<TInstallMainLink>(form, "Start");
  auto* desk = Object<TInstallShellLink>(form, "Desk");
  ASSERT_TRUE(folder && start && desk);
  EXPECT_EQ(MainLinkGroup(), folder);
  EXPECT_EQ(folder->DestDirType(), form.FindComponent("psProgramMenu"));
  EXPECT_EQ(folder->DestDir(), "\\Zarvik Product");
  EXPECT_EQ(start->Container(), folder);
  EXPECT_EQ(start->LinkName(), "Start Product.lnk");
  EXPECT_EQ(start->ObjectLink(), form.FindComponent("Bin"));
  EXPECT_EQ(start->ObjectLocationType(), form.FindComponent("psObjectLink"));
  EXPECT_EQ(start->HotKey(), 852);
  EXPECT_EQ(start->Method(), mtShellLinkInterface);
  EXPECT_EQ(start->Parameters(), "%i\\data");
  EXPECT_EQ(MainLinks()->Items(), (std::vector<TCustomInstallShellLink*>{start}));
  EXPECT_EQ(desk->ObjectLocation(), "http://www.zarvik.example/");
  EXPECT_EQ(desk->IconFilePath(), "C:\\icons.dll");
  EXPECT_EQ(desk->IconIndex(), 3);
  EXPECT_EQ(desk->WorkingDir(), "C:\\work");
  EXPECT_TRUE(desk->HardLink());
  EXPECT_FALSE(desk->Uninstall());
  EXPECT_EQ(AllShellLinks()->Count(), 2);

  std::string written = WriteDefinition(form);
  form.DestroyComponents();
  ReadDefinitionInto(form, written);
  auto* again = Object<TInstallMainLink>(form, "Start");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->ObjectLink(), form.FindComponent("Bin"));
  EXPECT_EQ(again->HotKey(), 852);
  EXPECT_EQ(WriteDefinition(form), written);
}

}  // namespace
}  // namespace vorlan
