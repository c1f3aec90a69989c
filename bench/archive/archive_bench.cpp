// The archive component against plain zlib loops over the same files, in
// one run: building with Add, extracting with Extract, and the cost per
// file on many small files. Each measurement runs the pair several times,
// alternating, and keeps the best of each.
//
//   bench_archive WORK_DIRECTORY [ROUNDS [--small-only]]
//
// WORK_DIRECTORY should be on a tmpfs: file creation times on a real disk
// swing too much after large deletes to compare anything.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"
#include "payload.h"
#include "plain_loops.h"

namespace vorlan::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kLevel = 9;  // colMax, the component's default
constexpr int kSmallCount = 10000;

double Seconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

fs::path NativePath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return fs::path(path);
}

void Fresh(const std::string& directory) {
  std::error_code error;
  fs::remove_all(NativePath(directory), error);
  ForceDirectories(directory);
}

struct TPair {
  double plain = 1e9, component = 1e9;
};

// Runs both, alternating which goes first, and keeps each one's best time;
// prepare(plain_turn) readies the output of the one about to run.
TPair Measure(int rounds, const std::function<void(bool)>& prepare, const std::function<void()>& plain,
              const std::function<void()>& component) {
  TPair best;
  for (int round = 0; round < rounds; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      bool plain_turn = (round + turn) % 2 == 0;
      prepare(plain_turn);
      double t = Seconds(plain_turn ? plain : component);
      (plain_turn ? best.plain : best.component) = std::min(plain_turn ? best.plain : best.component, t);
    }
  }
  return best;
}

TStringList Names(const std::vector<TPayloadFile>& files) {
  TStringList names;
  for (const TPayloadFile& file : files) names.push_back(file.path);
  return names;
}

std::vector<TMemberRange> Members(const std::string& archive) {
  TVorlanCompress reader(nullptr);
  reader.SetCompressedFile(archive);
  reader.ReadHeaders();
  std::vector<TMemberRange> members;
  for (int i = 0; i < reader.Count(); ++i) {
    const TFileHeaderRecord& h = reader.Headers().Header(i).Record();
    members.push_back({ExtractFileName(h.SourceName), h.DataOffset, h.EndOffset});
  }
  return members;
}

void AddAll(const std::vector<TPayloadFile>& files, const std::string& archive) {
  TVorlanCompress compress(nullptr);
  compress.SetCompressionLevel(colMax);
  compress.SetCompressedFile(archive);
  compress.SetFilesToProcess(Names(files));
  compress.Add(false, 0);
}

void ExtractAll(const std::vector<TPayloadFile>& files, const std::string& archive, const std::string& directory) {
  TVorlanCompress compress(nullptr);
  compress.SetCompressedFile(archive);
  compress.SetExtractDirectory(directory);
  compress.SetFilesToProcess(Names(files));
  compress.Extract();
}

// Both extractions must have written the same files.
void CheckSame(const std::vector<TPayloadFile>& files, const std::string& a, const std::string& b) {
  for (const TPayloadFile& file : files) {
    std::string name = ExtractFileName(file.path);
    if (FileSizeOf(AddBackslash(a) + name) != file.size || FileSizeOf(AddBackslash(b) + name) != file.size) {
      throw std::runtime_error(Format("extraction wrote a wrong size for %s: %d, plain %d, component %d", name, file.size,
                                      FileSizeOf(AddBackslash(a) + name).value_or(-1),
                                      FileSizeOf(AddBackslash(b) + name).value_or(-1)));
    }
  }
}

void Report(const char* what, const TPair& t, int64_t bytes, int files) {
  double mb = static_cast<double>(bytes) / 1e6;
  std::printf("%-28s plain %7.3f s %8.1f MB/s  component %7.3f s %8.1f MB/s  ratio %.3f", what, t.plain,
              mb / t.plain, t.component, mb / t.component, t.plain / t.component);
  if (files) {
    std::printf("  per file %.1f us / %.1f us", t.plain / files * 1e6, t.component / files * 1e6);
  }
  std::printf("\n");
}

void Run(const std::string& work, int rounds, bool small_only) {
  std::string payload = AddBackslash(work) + "payload", small = AddBackslash(work) + "small";
  std::string out_plain = AddBackslash(work) + "out-plain", out_component = AddBackslash(work) + "out-component";
  std::string archive = AddBackslash(work) + "files.1", plain_archive = AddBackslash(work) + "plain.z";
  std::string small_archive = AddBackslash(work) + "small.1";

  auto files = MakeMixedPayload(payload);
  auto smalls = MakeSmallFiles(small, kSmallCount, 1024);
  int64_t bytes = TotalSize(files), small_bytes = TotalSize(smalls);
  std::printf("payload: %d files, %.1f MB; small: %d files of 1 KB; %d rounds\n", static_cast<int>(files.size()),
              static_cast<double>(bytes) / 1e6, kSmallCount, rounds);

  auto nothing = [](bool) {};
  auto fresh_output = [&](bool plain_turn) { Fresh(plain_turn ? out_plain : out_component); };
  TPair build{}, extract{};
  if (!small_only) {
  build = Measure(rounds, nothing, [&] { PlainDeflate(files, plain_archive, kLevel); },
                        [&] { AddAll(files, archive); });
  Report("build (Add, level 9)", build, bytes, 0);
  std::printf("  archive %.1f MB, plain streams %.1f MB\n", static_cast<double>(*FileSizeOf(archive)) / 1e6,
              static_cast<double>(*FileSizeOf(plain_archive)) / 1e6);

  auto members = Members(archive);
  extract = Measure(rounds, fresh_output, [&] { PlainInflate(archive, members, out_plain); },
                          [&] { ExtractAll(files, archive, out_component); });
  CheckSame(files, out_plain, out_component);
  Report("extract (Extract)", extract, bytes, static_cast<int>(files.size()));
  }

  TPair small_build = Measure(rounds, nothing, [&] { PlainDeflate(smalls, plain_archive, kLevel); },
                              [&] { AddAll(smalls, small_archive); });
  Report("build 10,000 x 1 KB", small_build, small_bytes, kSmallCount);
  auto small_members = Members(small_archive);
  TPair small_extract = Measure(rounds, fresh_output, [&] { PlainInflate(small_archive, small_members, out_plain); },
                                [&] { ExtractAll(smalls, small_archive, out_component); });
  CheckSame(smalls, out_plain, out_component);
  Report("extract 10,000 x 1 KB", small_extract, small_bytes, kSmallCount);

  std::printf("targets: extract ratio >= 0.90 (%s), build ratio >= 0.95 (%s), per-file time <= 1.20 x plain (%s)\n",
              extract.plain / extract.component >= 0.9 ? "met" : "MISSED",
              build.plain / build.component >= 0.95 ? "met" : "MISSED",
              small_extract.component <= 1.2 * small_extract.plain ? "met" : "MISSED");
  Fresh(out_plain);
  Fresh(out_component);
}

}  // namespace
}  // namespace vorlan::bench

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_archive WORK_DIRECTORY [ROUNDS [--small-only]]\n");
    return 2;
  }
  try {
    bool small_only = argc > 3 && std::string(argv[3]) == "--small-only";
    vorlan::bench::Run(argv[1], argc > 2 ? std::max(1, std::atoi(argv[2])) : 3, small_only);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_archive: %s\n", e.what());
    return 1;
  }
  return 0;
}
