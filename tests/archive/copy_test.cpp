// Copying single files under the overwrite rule.

#include <filesystem>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

class CopyTest : public ArchiveTest {
 protected:
  void TearDown() override {
    SetArchiveBuildCancelledQuery(nullptr);
    ArchiveTest::TearDown();
  }
};

TEST_F(CopyTest, CopiesContentsAndDate) {
  for (size_t size : {size_t{0}, size_t{100}, size_t{3 * 8192}}) {
    SCOPED_TRACE(size);
    std::string content = Payload(size, 30, false);
    std::string source = MakeFile("src", content);
    int finished = 0;
    compress_.SetOnStatus([&](TVorlanCompress&, TlzhFileStats& s) { finished += s.Finished; });
    compress_.CopyFile(source, OutPath("dst"));
    EXPECT_EQ(ReadAll(OutPath("dst")), content);
    EXPECT_EQ(FileLastWriteTime(OutPath("dst")), kSourceDate);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(compress_.ExtractDirectory(), out_);
    EXPECT_EQ(compress_.TargetName(), "");
  }
}

TEST_F(CopyTest, ExistingDestinationUnderTheRule) {
  std::string source = MakeFile("src", "new");
  WriteAll(OutPath("dst"), "old");
  compress_.SetOverwrite(owNever);
  compress_.CopyFile(source, OutPath("dst"));
  EXPECT_EQ(ReadAll(OutPath("dst")), "old");

  compress_.SetOverwrite(owAsk);
  compress_.SetOnReplace([](TVorlanCompress& c, TlzhFileStats&) { c.SetTargetName("other"); });
  compress_.CopyFile(source, OutPath("dst"));
  EXPECT_EQ(ReadAll(OutPath("dst")), "old");
  EXPECT_EQ(ReadAll(OutPath("other")), "new");

  compress_.SetOnReplace([](TVorlanCompress& c, TlzhFileStats&) { c.SetSkipFile(true); });
  compress_.CopyFile(source, OutPath("dst"));
  EXPECT_EQ(ReadAll(OutPath("dst")), "old");
  // The skip applied to that copy only.
  compress_.SetOnReplace(nullptr);
  compress_.SetOverwrite(owAlways);
  compress_.CopyFile(source, OutPath("dst"));
  EXPECT_EQ(ReadAll(OutPath("dst")), "new");
}

TEST_F(CopyTest, StoppedCopyLeavesNoPartialFile) {
  std::string source = MakeFile("src", Payload(100000, 31, false));
  WriteAll(OutPath("old"), "old");
  compress_.SetOnStatus([](TVorlanCompress& c, TlzhFileStats& s) {
    if (s.BytesDone >= 16384) c.SetAbort(true);
  });
  compress_.CopyFile(source, OutPath("new"));
  compress_.CopyFile(source, OutPath("old"));
  EXPECT_FALSE(FileExists(OutPath("new")));
  EXPECT_EQ(ReadAll(OutPath("old")), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(NativePath(out_)), {}), 1);

  compress_.SetOnStatus(nullptr);
  SetArchiveBuildCancelledQuery([] { return true; });
  try {
    compress_.CopyFile(source, OutPath("new"));
    FAIL();
  } catch (const EUserAbortInstall& e) {
    EXPECT_EQ(e.Message(), "Creating Install Aborted!");
  }
  EXPECT_FALSE(FileExists(OutPath("new")));
}

TEST_F(CopyTest, MissingSource) {
  try {
    compress_.CopyFile(PathOf("none"), OutPath("dst"));
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Cannot open the file " + PathOf("none"));
  }
  WriteAll(OutPath("dst"), "old");
  compress_.SetOverwrite(owDate);
  EXPECT_THROW(compress_.CopyFile(PathOf("none"), OutPath("dst")), EVorlanCompress);
}

}  // namespace
}  // namespace vorlan
