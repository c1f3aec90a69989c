// The floppy transfer's check of the record at the end of a self-extracting
// executable, without an engine: the records the transfer tests cannot
// build through the engine (they cover the signature and the trailer).

#include <gtest/gtest.h>

#include "archive/self_extract_info.h"
#include "engine/floppy_transfer.h"

namespace vorlan {
namespace {

struct TRecordCase {
  const char* what;
  SelfExtractInfo info;
  bool taken;
};

// An executable of 1000 bytes: the trailer begins at 904.
TEST(FloppyRecordCheckTest, ArchivesLieInOrderBetweenTheLoaderAndTheTrailer) {
  const char* kSelf = "SELFEXTRACTING";
  const TRecordCase cases[] = {
      {"one-byte archives", {kSelf, 1, 1, 2, 2}, true},
      {"archives up to the trailer", {kSelf, 100, 199, 200, 903}, true},
      // A loading program of no bytes would go onto disk 1 as setup.exe.
      {"no loading program", {kSelf, 0, 199, 200, 899}, false},
      {"main archive ending before it starts", {kSelf, 100, 199, 300, 299}, false},
      // Read as no main archive, the transfer would leave it out unsaid.
      {"main archive end without a start", {kSelf, 100, 199, 0, 899}, false},
  };
  for (const TRecordCase& c : cases) {
    EXPECT_EQ(TFloppyTransfer::LocatesItsArchives(c.info, 1000), c.taken) << c.what;
  }
}

}  // namespace
}  // namespace vorlan
