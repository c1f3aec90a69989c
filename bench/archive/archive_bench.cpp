// The archive component against plain zlib loops over the same files, in
// one run: building with Add, extracting with Extract, and the cost per
// file on many small files. Each measurement runs the pair several times,
// alternating, and keeps the best of each.
//
//   bench_archive WORK_DIRECTORY [ROUNDS [build|extract|small]]
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
      throw std::runtime_error(Format("extraction wrote a wrong size for %s: %d, plain %d, component %d", name,
                                      file.size, FileSizeOf(AddBackslash(a) + name).value_or(-1),
                                      FileSizeOf(AddBackslash(b) + name).value_or(-1)));
    }
  }
}

void Report(const char* what, const TPair& t, int64_t bytes, int files) {
  double mb = static_cast<double>(bytes) / 1e6;
  std::printf("%-22s plain %7.3f s %6.1f MB/s  component %7.3f s %6.1f MB/s  ratio %.3f  per file %.1f / %.1f us\n",
              what, t.plain, mb / t.plain, t.component, mb / t.component, t.plain / t.component,
              t.plain / files * 1e6, t.component / files * 1e6);
}

struct TResults {
  TPair build, extract, small_build, small_extract;
};

class TBench {
 public:
  TBench(const std::string& work, int rounds) : work_(AddBackslash(work)), rounds_(rounds) {}

  // One set of files against the plain loops: building, then extracting.
  void Measure(const char* name, const std::vector<TPayloadFile>& files, const std::string& archive, bool build,
               bool extract, TPair& build_time, TPair& extract_time) {
    int64_t bytes = TotalSize(files);
    int count = static_cast<int>(files.size());
    if (build) {
      build_time = bench::Measure(rounds_, nothing_, [&] { PlainDeflate(files, work_ + "plain.z", kLevel); },
                                  [&] { AddAll(files, archive); });
      Report((std::string("build ") + name).c_str(), build_time, bytes, count);
    } else if (!FileExists(archive)) {
      AddAll(files, archive);
    }
    if (!extract) return;
    auto members = Members(archive);
    std::string plain = work_ + "out-plain", component = work_ + "out-component";
    auto fresh = [&](bool plain_turn) { Fresh(plain_turn ? plain : component); };
    extract_time = bench::Measure(rounds_, fresh, [&] { PlainInflate(archive, members, plain); },
                                  [&] { ExtractAll(files, archive, component); });
    CheckSame(files, plain, component);
    Report((std::string("extract ") + name).c_str(), extract_time, bytes, count);
    Fresh(plain);
    Fresh(component);
  }

  const std::string& Work() const { return work_; }

 private:
  std::string work_;
  int rounds_;
  std::function<void(bool)> nothing_ = [](bool) {};
};

// phase: "all", or only "build", "extract" or "small".
void Run(const std::string& work, int rounds, const std::string& phase) {
  TBench bench(work, rounds);
  auto files = MakeMixedPayload(bench.Work() + "payload");
  auto smalls = MakeSmallFiles(bench.Work() + "small", kSmallCount, 1024);
  std::printf("payload: %d files, %.1f MB; small: %d files of 1 KB; level %d; best of %d rounds\n",
              static_cast<int>(files.size()), static_cast<double>(TotalSize(files)) / 1e6, kSmallCount, kLevel,
              rounds);
  TResults r;
  bool all = phase == "all";
  if (all || phase == "build" || phase == "extract") {
    bench.Measure("payload", files, bench.Work() + "files.1", all || phase == "build", all || phase == "extract",
                  r.build, r.extract);
  }
  if (all || phase == "small") {
    bench.Measure("10,000 x 1 KB", smalls, bench.Work() + "small.1", true, true, r.small_build, r.small_extract);
  }
  if (!all) return;
  auto verdict = [](bool met) { return met ? "met" : "MISSED"; };
  std::printf("targets: extract >= 0.90 of plain (%s), build >= 0.95 of plain (%s), "
              "per-file extract time <= 1.20 x plain (%s)\n",
              verdict(r.extract.plain / r.extract.component >= 0.9), verdict(r.build.plain / r.build.component >= 0.95),
              verdict(r.small_extract.component <= 1.2 * r.small_extract.plain));
}

}  // namespace
}  // namespace vorlan::bench

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_archive WORK_DIRECTORY [ROUNDS [build|extract|small]]\n");
    return 2;
  }
  try {
    vorlan::bench::Run(argv[1], argc > 2 ? std::max(1, std::atoi(argv[2])) : 3, argc > 3 ? argv[3] : "all");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_archive: %s\n", e.what());
    return 1;
  }
  return 0;
}
