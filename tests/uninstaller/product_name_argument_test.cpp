#include <gtest/gtest.h>

#include "uninstall_command_line.h"

namespace vorlan {
namespace {

TEST(ProductNameArgument, IsWhatFollowsTheProgram) {
  const std::string own = "C:\\Program Files\\Zarvik\\uninstall.exe";
  struct {
    const char* command_line;
    const char* product;
  } const cases[] = {
      // As the Add/Remove Programs entry starts it: nothing is quoted.
      {"C:\\Program Files\\Zarvik\\uninstall.exe Zarvik Product", "Zarvik Product"},
      {"\"C:\\Program Files\\Zarvik\\uninstall.exe\" Zarvik Product", "Zarvik Product"},
      {"uninstall.exe \"Zarvik  Product\"", "Zarvik  Product"},
      {"  c:\\program files\\zarvik\\UNINSTALL  Zarvik ", "Zarvik"},
      // A form of the path that is not its own: the first word is taken.
      {"C:\\PROGRA~1\\Zarvik\\uninstall.exe Zarvik Product", "Zarvik Product"},
      {"\"C:\\Program Files\\Zarvik\\uninstall.exe", ""},
      {"C:\\Program Files\\Zarvik\\uninstall.exe", ""},
      {"", ""},
      {"uninstall.exe \"Zarvik\" \"Product\"", "\"Zarvik\" \"Product\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProductNameArgument(c.command_line, own), c.product) << c.command_line;
  }
}

}  // namespace
}  // namespace vorlan
