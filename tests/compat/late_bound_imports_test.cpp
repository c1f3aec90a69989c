// The compatibility object as every shipped program links it: where the
// system has a function, as Wine has them all, an entry binds to it, except
// on Windows 95, 98 and ME for the functions they do not support. Run once
// more with Wine posing as Windows 98.

#include <gtest/gtest.h>

#include "base/strings.h"
#include "import_entries.h"
#include "import_table.h"

namespace vorlan::testing {
namespace {

// The entries are this program's own: its import table names none of the
// functions.
TEST(LateBoundImportsTest, AnEntryBindsToTheSystemsFunctionWhereItServes) {
  bool windows_9x = (GetVersion() & 0x80000000u) != 0;
  char own_path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, own_path, sizeof own_path);
  TImportTable imports = ReadImportTable(own_path);
  for (const TImportEntry& entry : kImportEntries) {
    for (const auto& [dll, functions] : imports.functions) {
      EXPECT_FALSE(SameText(dll, entry.dll) && functions.count(entry.function)) << entry.function;
    }
    entry.call();
    ASSERT_NE(entry.SystemFunction(), nullptr) << entry.function;
    if (windows_9x && entry.nt_only) {
      EXPECT_NE(entry.Bound(), entry.SystemFunction()) << entry.function;
    } else {
      EXPECT_EQ(entry.Bound(), entry.SystemFunction()) << entry.function;
    }
  }
}

}  // namespace
}  // namespace vorlan::testing
