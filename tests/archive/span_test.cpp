// Spanned archives: the layout Span writes, and extraction that follows a
// member over parts and asks for the disks that are missing.

#include <filesystem>

#include "archive/archive_exceptions.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

class SpanTest : public ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    for (int i = 0; i < 3; ++i) {
      contents_.push_back(Payload(30000 + 1000 * i, 20 + i, i != 1));
      sources_.push_back(MakeFile("m" + IntToStr(i), contents_.back()));
    }
    AddFiles(sources_);
    parts_ = PathOf("parts");
    ASSERT_TRUE(CreateDirectoryAt(parts_));
    compress_.Span(parts_, "files.1");
  }

  std::string Part(int n) const { return AddBackslash(parts_) + "files." + IntToStr(n); }

  // Cuts part 1 at position into parts 1 and 2 and moves every header's
  // data positions behind the cut into part 2, as a disk that filled up
  // there would have.
  void SplitAt(size_t position) {
    std::string bytes = ReadAll(Part(1));
    std::string second = bytes.substr(position);
    bytes.resize(position);
    for (int k = 0; k < Int32At(bytes, 0); ++k) {
      size_t h = 5 + 176 * static_cast<size_t>(k);
      int32_t p = static_cast<int32_t>(position);
      if (Int32At(bytes, h + 136) >= p) {
        PutInt32(bytes, h + 136, Int32At(bytes, h + 136) - p);
        bytes[h + 144] = 2;
      }
      if (Int32At(bytes, h + 20) >= p) {
        PutInt32(bytes, h + 20, Int32At(bytes, h + 20) - p);
        bytes[h + 16] = 2;
      }
    }
    WriteAll(Part(1), bytes);
    WriteAll(Part(2), second);
  }

  void ExtractAllFromParts() {
    compress_.SetCompressedFile(Part(1));
    ExtractNames(sources_);
    for (size_t i = 0; i < sources_.size(); ++i) EXPECT_EQ(ReadAll(OutPath("m" + IntToStr(i))), contents_[i]);
  }

  std::vector<std::string> contents_;
  TStringList sources_;
  std::string parts_;
};

TEST_F(SpanTest, TableFirstThenTheDataInMemberOrder) {
  std::string single = ArchiveBytes(), spanned = ReadAll(Part(1));
  EXPECT_EQ(Int32At(spanned, 0), 3);
  EXPECT_EQ(spanned[4], 1);
  int32_t data = 5 + 3 * 176;
  for (size_t k = 0; k < 3; ++k) {
    size_t h = 5 + 176 * k, old = 5;
    for (size_t j = 0; j < k; ++j) old = static_cast<size_t>(Int32At(single, old + 128));
    EXPECT_EQ(Int32At(spanned, h + 128), static_cast<int32_t>(h + 176));
    EXPECT_EQ(Int32At(spanned, h + 136), data);
    EXPECT_EQ(spanned[h + 144], 1);
    EXPECT_EQ(spanned[h + 16], 1);
    int32_t length = Int32At(single, old + 20) - Int32At(single, old + 136) + 1;
    EXPECT_EQ(Int32At(spanned, h + 20), data + length - 1);
    // The fields Span does not place are copied.
    for (size_t field : {0, 8, 24, 132, 140, 148, 152}) EXPECT_EQ(spanned[h + field], single[old + field]);
    data += length;
  }
  EXPECT_EQ(static_cast<int32_t>(spanned.size()), data);
  ExtractAllFromParts();
}

TEST_F(SpanTest, MemberFollowedIntoTheNextPart) {
  std::string part = ReadAll(Part(1));
  size_t second_member_data = static_cast<size_t>(Int32At(part, 5 + 176 + 136));
  SplitAt(second_member_data + 1000);
  ExtractAllFromParts();
}

TEST_F(SpanTest, MemberStartingInPartTwo) {
  std::string part = ReadAll(Part(1));
  SplitAt(static_cast<size_t>(Int32At(part, 5 + 2 * 176 + 136)));
  compress_.SetCompressedFile(Part(1));
  compress_.ReadHeaders();
  EXPECT_EQ(compress_.Headers().Header(2).Record().FirstPart, 2);
  EXPECT_EQ(compress_.Headers().Header(2).Record().DataOffset, 0);
  ExtractAllFromParts();
}

TEST_F(SpanTest, MissingPartIsAskedFor) {
  std::string part = ReadAll(Part(1));
  SplitAt(static_cast<size_t>(Int32At(part, 5 + 176 + 136)) + 10);
  std::string disk = PathOf("disk2");
  ASSERT_TRUE(CreateDirectoryAt(disk));
  fs::rename(NativePath(Part(2)), NativePath(AddBackslash(disk) + "files.2"));
  compress_.SetCompressedFile(Part(1));

  try {
    ExtractNames({sources_[1]});
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Could not open the correct disk file 2");
  }

  int asked = 0;
  compress_.SetOnNewDisk([&](TVorlanCompress&, int disk_number, std::string&) {
    ++asked;
    EXPECT_EQ(disk_number, 2);
  });
  try {
    ExtractNames({sources_[1]});
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Cannot open the compressed file " + Part(2));
  }
  EXPECT_EQ(asked, 4);
  EXPECT_FALSE(FileExists(OutPath("m1")));

  compress_.SetOnNewDisk([&](TVorlanCompress&, int, std::string& path) {
    EXPECT_EQ(path, parts_);
    path = disk;
  });
  compress_.SetCompressedFile(Part(1));
  ExtractNames({sources_[1]});
  EXPECT_EQ(ReadAll(OutPath("m1")), contents_[1]);
}

TEST_F(SpanTest, SpannedArchiveIsNotSpannedOrAppendedAgain) {
  compress_.SetCompressedFile(Part(1));
  EXPECT_THROW(compress_.Span(PathOf("again"), "files.1"), EVorlanCompress);
  EXPECT_THROW(AddFiles({sources_[0]}, true), EVorlanCompress);
  ExtractAllFromParts();
}

}  // namespace
}  // namespace vorlan
