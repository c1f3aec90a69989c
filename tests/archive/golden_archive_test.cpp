// One small archive checked byte by byte against what the format's tables
// say it must hold, with every member stored (level 0) so that the zlib
// streams too can be written out by hand.

#include <cstring>

#include "archive/archive_hooks.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

class GoldenArchive : public ArchiveTest {
 protected:
  void TearDown() override {
    SetArchiveVersionReader(nullptr);
    ArchiveTest::TearDown();
  }

  // A header as the tables lay it out, written field by field here.
  static std::string Header(int32_t number, TDateTime date, int32_t end_offset, const std::string& name,
                            int32_t next_header, int32_t size, int32_t data_offset, int32_t archive_size,
                            int32_t unique_id, const std::string& version) {
    std::string h(176, '\0');
    PutInt32(h, 0, number);
    std::memcpy(&h[8], &date, 8);  // float64, little-endian like the machine
    PutInt32(h, 20, end_offset);
    h[24] = static_cast<char>(name.size());
    h.replace(25, name.size(), name);
    PutInt32(h, 128, next_header);
    PutInt32(h, 132, size);
    PutInt32(h, 136, data_offset);
    PutInt32(h, 140, archive_size);
    PutInt32(h, 148, unique_id);
    h[152] = static_cast<char>(version.size());
    h.replace(153, version.size(), version);
    return h;
  }
};

TEST_F(GoldenArchive, TwoBatchesMatchTheTables) {
  std::string a = MakeFile("a.txt", "abc");
  std::string b = MakeFile("b.txt", "");
  SetArchiveVersionReader([&](const std::string& path) {
    return path == a ? std::string("1.2.3.4567890123456789") : std::string();
  });
  compress_.SetCompressionLevel(colNone);
  AddFiles({a}, false, 7);
  AddFiles({b}, true, 1999);

  // "abc" stored: zlib header 78 01, a final stored block of 3 bytes, and
  // the Adler-32 of "abc" (0x024D0127) big-endian.
  const std::string stream_a("\x78\x01\x01\x03\x00\xFC\xFF" "abc" "\x02\x4D\x01\x27", 14);
  // The empty file: an empty final stored block and Adler-32 1.
  const std::string stream_b("\x78\x01\x01\x00\x00\xFF\xFF\x00\x00\x00\x01", 11);
  std::string expected("\x02\x00\x00\x00\x00", 5);
  expected += Header(1, kSourceDate, 181 + 14 - 1, a, 195, 3, 181, 195, 7, "1.2.3.45678901234567");
  expected += stream_a;
  expected += Header(1, kSourceDate, 371 + 11 - 1, b, 382, 0, 371, 382, 1999, "");
  expected += stream_b;
  EXPECT_EQ(ArchiveBytes(), expected);

  ExtractNames({a, b});
  EXPECT_EQ(ReadAll(OutPath("a.txt")), "abc");
  EXPECT_EQ(ReadAll(OutPath("b.txt")), "");
  EXPECT_EQ(FileLastWriteTime(OutPath("a.txt")), kSourceDate);
}

TEST_F(GoldenArchive, EmptyArchiveIsItsPrefix) {
  AddFiles({});
  EXPECT_EQ(ArchiveBytes(), std::string(5, '\0'));
  EXPECT_EQ(compress_.Count(), 0);
  compress_.ReadHeaders();
  EXPECT_EQ(compress_.Count(), 0);
}

}  // namespace
}  // namespace vorlan
