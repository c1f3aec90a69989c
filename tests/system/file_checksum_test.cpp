#include "system/file_checksum.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/file.h"
#include "base/sha.h"
#include "system/unique_handle.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

class FileChecksumTest : public testing::TempDirTest {};

TEST_F(FileChecksumTest, IsTheSha0OfTheFile) {
  testing::WriteWholeFile(Path("abc"), "abc");
  EXPECT_EQ(CalcFileCheckSum(Path("abc"), false), "0164B8A914CD2A5E74C4F7FF082C4D97F1EDF880");
  // Larger than one read buffer.
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 31 % 251);
  testing::WriteWholeFile(Path("big"), big);
  EXPECT_EQ(CalcFileCheckSum(Path("big"), false), DigestToHex(Sha0(big)));
  testing::WriteWholeFile(Path("short"), "0123456789");
  EXPECT_EQ(CalcFileCheckSum(Path("short"), true), DigestToHex(Sha0("")));
}

TEST_F(FileChecksumTest, MarkedFileEndsInTheDigestOfWhatPrecedesIt) {
  const std::string body = "MZ pretend this is a setup program";
  testing::WriteWholeFile(Path("setup.exe"), body);
  AddFileCheckSum(Path("setup.exe"));
  std::string marked = testing::ReadWholeFile(Path("setup.exe"));
  ASSERT_EQ(marked.size(), body.size() + 40);
  EXPECT_EQ(marked.substr(0, body.size()), body);
  EXPECT_EQ(marked.substr(body.size()), DigestToHex(Sha0(body)));
  EXPECT_EQ(CalcFileCheckSum(Path("setup.exe"), true), marked.substr(body.size()));

  // A given checksum is appended as it is.
  AddFileCheckSum(Path("setup.exe"), std::string(40, 'A'));
  EXPECT_EQ(testing::ReadWholeFile(Path("setup.exe")), marked + std::string(40, 'A'));
}

TEST_F(FileChecksumTest, Failures) {
  testing::WriteWholeFile(Path("file"), "content");
  for (const char* bad : {"ABC", "0164B8A914CD2A5E74C4F7FF082C4D97F1EDF8800"}) {
    try {
      AddFileCheckSum(Path("file"), bad);
      ADD_FAILURE() << bad;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Can't calculete CheckSum");
    }
  }
  EXPECT_EQ(testing::ReadWholeFile(Path("file")), "content");
  const std::string missing = Path("missing.exe");
  for (int mode = 0; mode < 2; ++mode) {
    try {
      if (mode == 0) CalcFileCheckSum(missing, false);
      if (mode == 1) AddFileCheckSum(missing);
      ADD_FAILURE() << mode;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Can't find file \"" + missing + "\"!");
    }
  }
  EXPECT_FALSE(FileExists(missing));
}

TEST_F(FileChecksumTest, AFileInUseIsLeftAlone) {
  testing::WriteWholeFile(Path("busy.exe"), "content");
  TUniqueFileHandle lock(CreateFileA(Path("busy.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  EXPECT_THROW(CalcFileCheckSum(Path("busy.exe"), false), EFOpenError);
  EXPECT_THROW(AddFileCheckSum(Path("busy.exe"), std::string(40, 'A')), EFOpenError);
  lock.Reset();
  EXPECT_EQ(testing::ReadWholeFile(Path("busy.exe")), "content");
}

}  // namespace
}  // namespace vorlan
