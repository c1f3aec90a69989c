// Damaged directories: every one gives the directory error, never a crash,
// and nothing is extracted from it.

#include <filesystem>
#include <functional>

#include "archive/archive_exceptions.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

const char kCorrupt[] =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";

class DirectoryTest : public ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    first_ = MakeFile("first.txt", Payload(5000, 1, true));
    second_ = MakeFile("second.bin", Payload(3000, 2, false));
    AddFiles({first_, second_});
    good_ = ArchiveBytes();
  }

  std::string first_, second_, good_;
};

constexpr size_t kH1 = 5;  // the first header

struct TDamage {
  const char* name;
  std::function<void(std::string& bytes)> damage;
};

TEST_F(DirectoryTest, DamagedDirectoriesAreRefused) {
  const size_t second_header = static_cast<size_t>(Int32At(good_, kH1 + 128));
  const TDamage damages[] = {
      {"truncated prefix", [](std::string& b) { b.resize(3); }},
      {"truncated header", [](std::string& b) { b.resize(kH1 + 100); }},
      {"truncated second header", [&](std::string& b) { b.resize(second_header + 50); }},
      {"count larger than the file", [](std::string& b) { PutInt32(b, 0, 1000); }},
      {"negative count", [](std::string& b) { PutInt32(b, 0, -1); }},
      {"next header backwards", [](std::string& b) { PutInt32(b, kH1 + 128, 0); }},
      {"next header into itself", [](std::string& b) { PutInt32(b, kH1 + 128, static_cast<int32_t>(kH1 + 10)); }},
      {"next header past the end", [](std::string& b) { PutInt32(b, kH1 + 128, 1 << 30); }},
      {"negative next header", [](std::string& b) { PutInt32(b, kH1 + 128, -176); }},
      {"negative size", [](std::string& b) { PutInt32(b, kH1 + 132, -5); }},
      {"negative data offset", [](std::string& b) { PutInt32(b, kH1 + 136, -1000); }},
      {"end before the data", [](std::string& b) { PutInt32(b, kH1 + 20, Int32At(b, kH1 + 136) - 10); }},
      {"end past the file", [](std::string& b) { PutInt32(b, kH1 + 20, 0x7FFFFFFF); }},
      {"parts in a single-file archive", [](std::string& b) { b[kH1 + 16] = 2; }},
      {"unknown spanned flag", [](std::string& b) { b[4] = 7; }},
      {"last part before first part",
       [](std::string& b) {
         b[4] = 1;
         b[kH1 + 144] = 3;
         b[kH1 + 16] = 2;
       }},
      {"blank source name", [](std::string& b) { b[kH1 + 24] = 0; }},
      {"source name of blanks", [](std::string& b) { b.replace(kH1 + 24, 3, "\x02  "); }},
  };
  for (const TDamage& d : damages) {
    SCOPED_TRACE(d.name);
    std::string bytes = good_;
    d.damage(bytes);
    SetArchiveBytes(bytes);
    TVorlanCompress reader(nullptr);
    reader.SetCompressedFile(archive_);
    reader.SetExtractDirectory(out_);
    try {
      reader.ReadHeaders();
      FAIL() << "read a damaged directory";
    } catch (const EVorlanCompress& e) {
      EXPECT_EQ(e.Message(), kCorrupt);
    }
    EXPECT_FALSE(reader.DirectoryLoaded());
    reader.SetFilesToProcess({first_});
    EXPECT_THROW(reader.Extract(), EVorlanCompress);
    EXPECT_TRUE(std::filesystem::is_empty(NativePath(out_)));
  }
}

TEST_F(DirectoryTest, MissingArchive) {
  compress_.SetCompressedFile(PathOf("none.1"));
  try {
    compress_.ReadHeaders();
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Cannot open the compressed file " + PathOf("none.1"));
  }
}

TEST_F(DirectoryTest, IdentifiersOutsideTheRangeHaveNoIndex) {
  std::string bytes = good_;
  PutInt32(bytes, kH1 + 148, 5000);
  SetArchiveBytes(bytes);
  EXPECT_EQ(compress_.IndexOfId(5000), -1);
  EXPECT_EQ(compress_.IndexOfId(-3), -1);
  EXPECT_EQ(compress_.IndexOfId(2000), -1);
  EXPECT_EQ(compress_.IndexOfId(7), 1);  // the second member keeps its identifier
  EXPECT_EQ(compress_.Count(), 2);
}

TEST_F(DirectoryTest, LaterMemberWithTheSameIdentifierWins) {
  EXPECT_EQ(compress_.IndexOfId(7), 1);
  EXPECT_EQ(compress_.IndexOfId(8), -1);
}

TEST_F(DirectoryTest, StatisticsOfAMember) {
  TlzhFileStats stats;
  compress_.GetFileStats(1, stats);
  EXPECT_EQ(stats.FileName, second_);
  EXPECT_EQ(stats.FileSize, 3000);
  EXPECT_EQ(stats.TotalSize, 8000);
  EXPECT_EQ(stats.Header.Number, 2);
  EXPECT_EQ(stats.CompressedSize, static_cast<int32_t>(good_.size()));
  try {
    compress_.GetFileStats(2, stats);
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Tried to access the 2th file. This file is not defined");
  }
  EXPECT_THROW(compress_.GetFileStats(-1, stats), EVorlanCompress);
}

TEST_F(DirectoryTest, ListingFiresOncePerMember) {
  std::vector<std::string> listed;
  compress_.SetOnListing([&](TVorlanCompress&, TlzhFileStats& s) {
    listed.push_back(s.FileName);
    EXPECT_EQ(s.TotalSize, 8000);
  });
  compress_.List();
  EXPECT_EQ(listed, (std::vector<std::string>{first_, second_}));
}

// The totals are kept between questions, but not past a change.
TEST(FileHeadersTest, TotalsFollowTheHeaders) {
  TFileHeaders headers;
  for (int32_t size : {100, 20}) {
    auto header = std::make_unique<TFileHeader>();
    header->Record().SourceName = "member" + IntToStr(size);
    header->Record().Size = size;
    header->Record().ArchiveSize = size / 2;
    headers.Add(std::move(header));
  }
  EXPECT_EQ(headers.TotalSize(), 120);
  EXPECT_EQ(headers.TotalArchiveSize(), 60);
  headers.MutableHeader(1).Record().Size = 30;
  EXPECT_EQ(headers.TotalSize(), 130);
  headers.Truncate(1);
  EXPECT_EQ(headers.TotalSize(), 100);
  EXPECT_EQ(headers.TotalArchiveSize(), 50);
  headers.Clear();
  EXPECT_EQ(headers.TotalSize(), 0);
}

// Switching between parts of one archive keeps what was read.
TEST_F(DirectoryTest, DirectoryKeptAcrossPartsOfOneArchive) {
  compress_.ReadHeaders();
  compress_.SetCompressedFile(PathOf("FILES.2"));
  EXPECT_TRUE(compress_.DirectoryLoaded());
  compress_.SetCompressedFile(PathOf("other.1"));
  EXPECT_FALSE(compress_.DirectoryLoaded());
}

}  // namespace
}  // namespace vorlan
