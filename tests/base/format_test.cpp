#include "base/format.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"

namespace vorlan {
namespace {

TEST(Format, FillsDirectives) {
  EXPECT_EQ(Format("Install%d", 3), "Install3");
  EXPECT_EQ(Format("%s and %s", "a", std::string("b")), "a and b");
  EXPECT_EQ(Format("%.8x", 0x8801), "00008801");
  EXPECT_EQ(Format("%08x", -601), "FFFFFDA7");
  EXPECT_EQ(Format("100%%"), "100%");
}

TEST(Format, MismatchRaises) {
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s %s", "one"), EConvertError);
}

}  // namespace
}  // namespace vorlan
