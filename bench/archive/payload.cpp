#include "payload.h"

#include <algorithm>

#include "base/file.h"
#include "base/format.h"
#include "base/strings.h"

namespace vorlan::bench {

namespace {
// xorshift64*: fast and the same everywhere.
class TRandom {
 public:
  explicit TRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  int64_t Between(int64_t low, int64_t high) {
    return low + static_cast<int64_t>(Next() % static_cast<uint64_t>(high - low + 1));
  }

 private:
  uint64_t state_;
};

std::vector<std::string> Vocabulary() {
  TRandom random(7);
  std::vector<std::string> words;
  for (int i = 0; i < 512; ++i) {
    std::string word;
    for (int64_t n = random.Between(2, 11); n > 0; --n) word += static_cast<char>('a' + random.Next() % 26);
    words.push_back(word);
  }
  return words;
}

void FillText(std::string& bytes, TRandom& random) {
  static const std::vector<std::string> kWords = Vocabulary();
  size_t i = 0;
  while (i < bytes.size()) {
    uint64_t r = random.Next();
    // Half the words from a small common set, as in real text.
    const std::string& word = kWords[(r & 1) ? (r >> 8) % 64 : (r >> 8) % kWords.size()];
    for (char c : word) {
      if (i == bytes.size()) return;
      bytes[i++] = c;
    }
    if (i < bytes.size()) bytes[i++] = (r >> 40) % 12 == 0 ? '\n' : ' ';
  }
}

void FillNoise(std::string& bytes, TRandom& random) {
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t r = random.Next();
    for (int k = 0; k < 8; ++k) bytes[i + k] = static_cast<char>(r >> (8 * k));
  }
  for (; i < bytes.size(); ++i) bytes[i] = static_cast<char>(random.Next());
}

void WriteFile(const std::string& path, int64_t size, bool text, uint64_t seed) {
  if (FileSizeOf(path) == size) return;
  TRandom random(seed);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (text) {
    FillText(bytes, random);
  } else {
    FillNoise(bytes, random);
  }
  TFileStream stream(path, TFileMode::Create);
  stream.Write(bytes.data(), bytes.size());
}
}  // namespace

std::vector<TPayloadFile> MakeMixedPayload(const std::string& directory) {
  ForceDirectories(directory);
  TRandom random(20261210);
  std::vector<TPayloadFile> files;
  auto add = [&](int64_t size, bool text) {
    std::string path = AddBackslash(directory) + Format("f%.4d.dat", static_cast<int>(files.size()));
    WriteFile(path, size, text, files.size() + 1);
    files.push_back({path, size});
  };
  for (int i = 0; i < 1983; ++i) add(random.Between(1024, 50 * 1024), i % 2 == 0);
  for (int i = 0; i < 15; ++i) add(random.Between(1 << 20, 5 << 20), i % 2 == 0);
  add(random.Between(20 << 20, 30 << 20), true);
  add(random.Between(20 << 20, 30 << 20), false);
  return files;
}

std::vector<TPayloadFile> MakeSmallFiles(const std::string& directory, int count, int64_t size) {
  ForceDirectories(directory);
  std::vector<TPayloadFile> files;
  for (int i = 0; i < count; ++i) {
    std::string path = AddBackslash(directory) + Format("s%.5d.dat", i);
    WriteFile(path, size, i % 2 == 0, 100000 + i);
    files.push_back({path, size});
  }
  return files;
}

int64_t TotalSize(const std::vector<TPayloadFile>& files) {
  int64_t total = 0;
  for (const TPayloadFile& file : files) total += file.size;
  return total;
}

}  // namespace vorlan::bench
