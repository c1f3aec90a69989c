// The setup benchmark's helper under Wine, called by bench/setup/run:
//
//   bench_setup payload DIRECTORY
//       writes the archive benchmark's payloads into DIRECTORY\mixed and
//       DIRECTORY\small (kept when they are there already)
//   bench_setup plain DIRECTORY ARCHIVE...
//       the plain loop: inflates every member of the archives into new
//       files in DIRECTORY (created; it must not hold them yet)
//   bench_setup time PROGRAM [PARAMETER...]
//       runs PROGRAM and prints "seconds S", the seconds it took
//
// Exit code 0 on success; a failure prints its reason and exits with 1.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/strings.h"
#include "payload.h"
#include "plain_loops.h"
#include "process_timer.h"

namespace vorlan::bench {
namespace {

constexpr int kSmallCount = 10000;
constexpr int64_t kSmallSize = 1024;

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

void WritePayloads(const std::string& directory) {
  auto mixed = MakeMixedPayload(AddBackslash(directory) + "mixed");
  MakeSmallFiles(AddBackslash(directory) + "small", kSmallCount, kSmallSize);
  std::printf("payloads: mixed %d files, %.1f MB; small %d files of %d bytes\n", static_cast<int>(mixed.size()),
              static_cast<double>(TotalSize(mixed)) / 1e6, kSmallCount, static_cast<int>(kSmallSize));
}

void InflateAll(const std::string& directory, const std::vector<std::string>& archives) {
  if (!ForceDirectories(directory)) throw std::runtime_error("cannot create " + directory);
  for (const std::string& archive : archives) PlainInflate(archive, Members(archive), directory);
}

int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "payload" && args.size() == 2) {
    WritePayloads(args[1]);
  } else if (command == "plain" && args.size() >= 3) {
    InflateAll(args[1], {args.begin() + 2, args.end()});
  } else if (command == "time" && args.size() >= 2) {
    std::printf("seconds %.3f\n", TimeProcess({args.begin() + 1, args.end()}));
  } else {
    std::fprintf(stderr,
                 "usage: bench_setup payload DIRECTORY\n"
                 "       bench_setup plain DIRECTORY ARCHIVE...\n"
                 "       bench_setup time PROGRAM [PARAMETER...]\n");
    return 2;
  }
  return 0;
}

}  // namespace
}  // namespace vorlan::bench

int main(int argc, char** argv) {
  try {
    return vorlan::bench::Run({argv + 1, argv + argc});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_setup: %s\n", e.what());
    return 1;
  }
}
