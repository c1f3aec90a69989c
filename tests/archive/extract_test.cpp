// Adding and extracting: round trips, the overwrite rules, target names,
// damaged members, and what a failed extraction leaves behind.

#include <filesystem>
#include <functional>

#include "archive/archive_exceptions.h"
#include "archive/archive_hooks.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

const char kSizeMismatch[] =
    "The decompressed file's size does not match with the actual size of the file.  The file is ";

// Every file name in the directory, sorted.
std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(NativePath(dir))) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ExtractTest : public ArchiveTest {
 protected:
  void TearDown() override {
    SetArchiveVersionReader(nullptr);
    ArchiveTest::TearDown();
  }

  // The archive's member k (from 0) header offset and data range.
  size_t HeaderAt(int k) {
    std::string bytes = ArchiveBytes();
    size_t offset = 5;
    for (int i = 0; i < k; ++i) offset = static_cast<size_t>(Int32At(bytes, offset + 128));
    return offset;
  }
};

// Extraction keeps the archive open for the next member, but reads no
// member of another archive through it, and lets go when told to.
TEST_F(ExtractTest, HeldArchiveServesOnlyItsOwnMembers) {
  std::string other = PathOf("other.1");
  AddFiles({MakeFile("a", "in the first archive")});
  compress_.SetCompressedFile(other);
  AddFiles({MakeFile("b", Payload(5000, 9, false))});
  for (const std::string& archive : {archive_, other, archive_}) {
    compress_.SetCompressedFile(archive);
    std::string name = archive == other ? "b" : "a";
    DeleteFileAt(OutPath(name));
    ExtractNames({PathOf(name)});
    EXPECT_EQ(ReadAll(OutPath(name)), ReadAll(PathOf(name))) << archive;
  }
  compress_.ReleaseArchive();
  EXPECT_TRUE(DeleteFileAt(archive_));
}

TEST_F(ExtractTest, RoundTripAtEveryLevel) {
  const std::string contents[] = {Payload(200000, 3, true), Payload(70000, 4, false), "", "x"};
  TStringList sources;
  for (size_t i = 0; i < std::size(contents); ++i) sources.push_back(MakeFile("f" + IntToStr(i), contents[i]));
  for (TCompressionLevel level : {colNone, colFastest, colDefault, colMax}) {
    SCOPED_TRACE(level);
    compress_.SetCompressionLevel(level);
    AddFiles(sources);
    EXPECT_TRUE(compress_.FilesToProcess().empty());
    ExtractNames(sources);
    for (size_t i = 0; i < std::size(contents); ++i) {
      EXPECT_EQ(ReadAll(OutPath("f" + IntToStr(i))), contents[i]);
      EXPECT_EQ(FileLastWriteTime(OutPath("f" + IntToStr(i))), kSourceDate);
    }
    EXPECT_EQ(compress_.FileStats().TotalPercentDone, 100);
  }
}

TEST_F(ExtractTest, AddingReportsProgressAndNumbersBatches) {
  std::string big = MakeFile("big", Payload(300000, 5, false));
  std::string empty = MakeFile("empty", "");
  int before = 0, after = 0, finished = 0;
  compress_.SetOnBeforeAdding([&](TVorlanCompress&, TlzhFileStats& s) {
    ++before;
    EXPECT_EQ(s.CompressedSize, 0);
  });
  compress_.SetOnAfterAdding([&](TVorlanCompress&, TlzhFileStats& s) {
    ++after;
    if (s.FileSize == 0) {
      EXPECT_EQ(s.Ratio, 0);
    }
  });
  compress_.SetOnStatus([&](TVorlanCompress&, TlzhFileStats& s) {
    if (s.Finished) {
      ++finished;
      EXPECT_EQ(s.BytesDone, s.FileSize);
    }
  });
  compress_.SetFilesToProcess({big, "", "  ", empty});
  EXPECT_EQ(compress_.FilesToProcess().size(), 2u);
  compress_.Add(false, 3);
  EXPECT_EQ(compress_.FileStats().TotalPercentDone, 100);
  EXPECT_EQ(compress_.Count(), 2);
  AddFiles({big}, true, 4);
  EXPECT_EQ(before, 3);
  EXPECT_EQ(after, 3);
  EXPECT_EQ(finished, 3);
  compress_.ReadHeaders();
  ASSERT_EQ(compress_.Count(), 3);
  EXPECT_EQ(compress_.Headers().Header(0).Record().Number, 1);
  EXPECT_EQ(compress_.Headers().Header(1).Record().Number, 2);
  EXPECT_EQ(compress_.Headers().Header(2).Record().Number, 1);
  EXPECT_EQ(compress_.IndexOfId(3), 1);
  EXPECT_EQ(compress_.IndexOfId(4), 2);
  EXPECT_EQ(Int32At(ArchiveBytes(), 0), 3);
  EXPECT_EQ(compress_.Headers().Header(2).Record().NextHeader, static_cast<int32_t>(ArchiveBytes().size()));
}

TEST_F(ExtractTest, LongSourceNameIsCutAndTheCutNameUsed) {
  std::string name = PathOf("");
  name += std::string(100 - name.size(), 'n');
  WriteAll(name, "long");
  AddFiles({name + "tail;field two"});
  compress_.ReadHeaders();
  EXPECT_EQ(compress_.Headers().Header(0).Record().SourceName, name);
  ExtractNames({name});
  EXPECT_EQ(ReadAll(OutPath(ExtractFileName(name))), "long");
}

TEST_F(ExtractTest, FailedAddLeavesTheArchiveAsItWas) {
  std::string a = MakeFile("a", Payload(1000, 6, true));
  AddFiles({a});
  std::string before = ArchiveBytes();
  try {
    AddFiles({a, PathOf("missing")}, true);
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "Cannot open the file " + PathOf("missing"));
  }
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_THROW(AddFiles({a}, true, 2000), EVorlanCompress);
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_TRUE(compress_.Abort());

  // Stopped by the user in the middle: the same.
  std::string big = MakeFile("big", Payload(400000, 7, false));
  bool aborted = false;
  compress_.SetOnAborted([&](TVorlanCompress&) { aborted = true; });
  compress_.SetOnStatus([](TVorlanCompress& c, TlzhFileStats&) { c.SetAbort(true); });
  AddFiles({a, big}, true);
  EXPECT_TRUE(aborted);
  EXPECT_EQ(ArchiveBytes(), before);
  // A new archive that fails is not left behind.
  compress_.SetCompressedFile(PathOf("new.1"));
  AddFiles({big});
  EXPECT_FALSE(FileExists(PathOf("new.1")));
}

struct TRuleCase {
  const char* name;
  TOverwriteType rule;
  TDateTime existing_date;
  std::string member_version, existing_version;
  bool replaced;
};

TEST_F(ExtractTest, OverwriteRules) {
  const TDateTime older = EncodeDateTime(2001, 1, 1), newer = EncodeDateTime(2005, 1, 1);
  const TRuleCase cases[] = {
      {"always", owAlways, newer, "", "", true},
      {"never", owNever, older, "", "", false},
      {"date, existing older", owDate, older, "", "", true},
      {"date, existing newer", owDate, newer, "", "", false},
      {"date, same", owDate, kSourceDate, "", "", false},
      {"version, member higher", owVersion, newer, "1.10.0.0", "1.9.0.0", true},
      {"version, existing higher", owVersion, older, "1.2", "1.2.0", false},
      {"version and date, same version, older", owVersionDate, older, "2.0", "2.0", true},
      {"version and date, same version, newer", owVersionDate, newer, "2.0", "2.0", false},
  };
  std::string source = MakeFile("v.dll", "new content");
  for (const TRuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string target = OutPath("v.dll");
    WriteAll(target, "old");
    SetFileLastWriteTime(target, c.existing_date);
    SetArchiveVersionReader([&](const std::string& path) {
      return path == source ? c.member_version : path == target ? c.existing_version : "";
    });
    compress_.SetOnStatus(nullptr);
    compress_.SetOnReplace(nullptr);
    AddFiles({source});
    compress_.SetOverwrite(c.rule);
    bool finished = false, replace_fired = false;
    compress_.SetOnStatus([&](TVorlanCompress&, TlzhFileStats& s) { finished = s.Finished; });
    compress_.SetOnReplace([&](TVorlanCompress&, TlzhFileStats&) { replace_fired = true; });
    ExtractNames({source});
    EXPECT_EQ(ReadAll(target), c.replaced ? "new content" : "old");
    EXPECT_EQ(replace_fired, c.replaced);
    EXPECT_TRUE(finished);
  }
  compress_.SetOnStatus(nullptr);
  compress_.SetOnReplace(nullptr);
}

TEST_F(ExtractTest, AskLetsTheHandlerSkipOrRename) {
  std::string source = MakeFile("ask.txt", "new");
  AddFiles({source});
  WriteAll(OutPath("ask.txt"), "old");
  compress_.SetOverwrite(owAsk);
  compress_.SetOnReplace([](TVorlanCompress& c, TlzhFileStats&) { c.SetSkipFile(true); });
  ExtractNames({source});
  EXPECT_EQ(ReadAll(OutPath("ask.txt")), "old");

  compress_.SetOnReplace([](TVorlanCompress& c, TlzhFileStats&) { c.SetTargetName("..\\renamed.txt"); });
  ExtractNames({source});
  EXPECT_EQ(ReadAll(OutPath("ask.txt")), "old");
  EXPECT_EQ(ReadAll(OutPath("renamed.txt")), "new");
}

TEST_F(ExtractTest, PresetTargetNameServesTheFirstLineOnly) {
  std::string a = MakeFile("a.txt", "A"), b = MakeFile("b.txt", "B");
  AddFiles({a, b});
  compress_.SetTargetName("first.txt");
  ExtractNames({a, b});
  EXPECT_EQ(ReadAll(OutPath("first.txt")), "A");
  EXPECT_EQ(ReadAll(OutPath("b.txt")), "B");
  EXPECT_EQ(compress_.TargetName(), "");
  EXPECT_FALSE(FileExists(OutPath("a.txt")));
}

TEST_F(ExtractTest, MemberNotInTheArchive) {
  AddFiles({MakeFile("a", "A")});
  try {
    ExtractNames({"nothing;x"});
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "The file <nothing;x> was not found in the archive <" + archive_ + ">");
  }
  EXPECT_TRUE(compress_.Abort());
  EXPECT_TRUE(compress_.FilesToProcess().empty());
}

// Names stored in the archive or chosen by a handler never reach outside
// the extraction directory.
TEST_F(ExtractTest, NamesStayInsideTheDirectory) {
  std::string source = MakeFile("s", "payload");
  AddFiles({source});
  const std::string base = ArchiveBytes();
  struct TNameCase {
    std::string stored;
    std::string written;  // empty: refused
  };
  const TNameCase cases[] = {
      {"..\\..\\evil1", "evil1"}, {"C:evil2", "evil2"},  {"C:\\windows\\evil3", "evil3"},
      {"sub/dir/evil4", "evil4"}, {"/evil5", "evil5"},  {"dir\\", ""},
      {"..", ""},                 {"...", ""},          {"x\\. .", ""},
      {std::string("ev\0il", 5), ""},  {"NUL", ""},          {"con.txt", ""},
      {"Com1", ""},               {"COM10", "COM10"},
  };
  for (const TNameCase& c : cases) {
    SCOPED_TRACE(c.stored);
    std::string bytes = base;
    bytes[5 + 24] = static_cast<char>(c.stored.size());
    bytes.replace(5 + 25, c.stored.size(), c.stored);
    SetArchiveBytes(bytes);
    compress_.SetCompressedFile(PathOf("other"));
    compress_.SetCompressedFile(archive_);
    if (c.written.empty()) {
      EXPECT_THROW(ExtractNames({c.stored}), EVorlanCompress);
    } else {
      ExtractNames({c.stored});
      EXPECT_EQ(ReadAll(OutPath(c.written)), "payload");
    }
  }
  EXPECT_EQ(Listing(dir_), (std::vector<std::string>{"files.1", "out", "s"}));
  compress_.SetOnBeforeExtracting([](TVorlanCompress& c, TlzhFileStats&) { c.SetTargetName("..\\..\\up"); });
  SetArchiveBytes(base);
  compress_.SetCompressedFile(PathOf("other"));
  compress_.SetCompressedFile(archive_);
  ExtractNames({source});
  EXPECT_EQ(ReadAll(OutPath("up")), "payload");
}

// A failed extraction leaves no new file, and an existing file as it was.
TEST_F(ExtractTest, FailedExtractionLeavesNothingHalfWritten) {
  std::string source = MakeFile("member.txt", Payload(100000, 8, true));
  std::string other = MakeFile("other.txt", Payload(1000, 9, true));
  AddFiles({source, other});
  const std::string good = ArchiveBytes();
  const size_t h1 = 5, data1 = static_cast<size_t>(Int32At(good, h1 + 136));
  const std::string mismatch = kSizeMismatch + source;
  struct TDamage {
    const char* name;
    std::function<void(std::string&)> damage;
    std::string message;
  };
  const TDamage damages[] = {
      {"corrupt stream", [&](std::string& b) { for (size_t i = 40; i < 60; ++i) b[data1 + i] ^= 0x55; }, "error"},
      {"preset dictionary", [&](std::string& b) { b[data1 + 1] = '\xBB'; }, "error"},
      {"stream shorter than the size", [&](std::string& b) { PutInt32(b, h1 + 132, 100001); }, mismatch},
      {"stream longer than the size", [&](std::string& b) { PutInt32(b, h1 + 132, 99999); }, mismatch},
      {"stream cut short", [&](std::string& b) { PutInt32(b, h1 + 20, Int32At(b, h1 + 20) - 200); }, mismatch},
      {"data beyond the stream", [&](std::string& b) { PutInt32(b, h1 + 20, Int32At(b, h1 + 20) + 30); }, "error"},
      {"date out of range", [&](std::string& b) { b.replace(h1 + 8, 8, "\xFF\xFF\xFF\xFF\xFF\xFF\xF7\x7F"); },
       "Cannot set the date of the file just extracted."},
  };
  for (bool existing : {false, true}) {
    for (const TDamage& d : damages) {
      SCOPED_TRACE(std::string(d.name) + (existing ? ", replacing" : ", new"));
      std::string bytes = good;
      d.damage(bytes);
      SetArchiveBytes(bytes);
      compress_.SetCompressedFile(PathOf("other"));
      compress_.SetCompressedFile(archive_);
      if (existing) WriteAll(OutPath("member.txt"), "installed before");
      try {
        ExtractNames({source});
        FAIL() << "extracted a damaged member";
      } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), d.message);
      }
      if (existing) {
        EXPECT_EQ(ReadAll(OutPath("member.txt")), "installed before");
        EXPECT_EQ(Listing(out_), std::vector<std::string>{"member.txt"});
      } else {
        EXPECT_TRUE(Listing(out_).empty());
      }
      fs::remove(NativePath(OutPath("member.txt")));
    }
  }
}

TEST_F(ExtractTest, AbortStopsQuietlyAndKeepsTheOldFile) {
  std::string source = MakeFile("big.bin", Payload(300000, 10, false));
  AddFiles({source});
  WriteAll(OutPath("big.bin"), "old");
  int aborted = 0;
  compress_.SetOnAborted([&](TVorlanCompress&) { ++aborted; });
  compress_.SetOnStatus([](TVorlanCompress& c, TlzhFileStats& s) {
    if (s.BytesDone > 50000) c.SetAbort(true);
  });
  ExtractNames({source});
  EXPECT_EQ(aborted, 1);
  EXPECT_EQ(ReadAll(OutPath("big.bin")), "old");
  EXPECT_EQ(Listing(out_), std::vector<std::string>{"big.bin"});
  // The next operation starts afresh.
  compress_.SetOnStatus(nullptr);
  ExtractNames({source});
  EXPECT_EQ(ReadAll(OutPath("big.bin")).size(), 300000u);
}

TEST_F(ExtractTest, SilentAbortFromAHandlerIsSwallowed) {
  std::string source = MakeFile("a", "A");
  AddFiles({source});
  compress_.SetOnBeforeExtracting([](TVorlanCompress&, TlzhFileStats&) { throw EAbort(); });
  EXPECT_NO_THROW(ExtractNames({source}));
  EXPECT_FALSE(compress_.Abort());
  EXPECT_TRUE(Listing(out_).empty());
}

}  // namespace
}  // namespace vorlan
