// Random formats and arguments for Format: the only failure allowed is
// EConvertError; anything else (a crash, another exception) is a finding.
//
// Input: a count byte (up to 8 arguments), then per argument a kind byte and
// its value (4 or 8 little-endian bytes, or a length byte and the text),
// then the format itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/exceptions.h"
#include "base/format.h"

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  uint64_t Bytes(int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) value |= static_cast<uint64_t>(Byte()) << (8 * i);
    return value;
  }

  std::string Text(size_t length) {
    length = std::min(length, size_ - std::min(pos_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }

  std::string Rest() { return Text(size_); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

vorlan::FormatArg Argument(Input& input, std::vector<std::string>& texts) {
  switch (input.Byte() % 7) {
    case 0: return static_cast<int32_t>(input.Bytes(4));
    case 1: return static_cast<int64_t>(input.Bytes(8));
    case 2: return static_cast<uint32_t>(input.Bytes(4));
    case 3: return input.Bytes(8);
    case 4: return (input.Byte() & 1) != 0;
    case 5: return static_cast<char>(input.Byte());
    default:
      texts.push_back(input.Text(input.Byte()));
      return std::string_view(texts.back());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input input(data, size);
  size_t count = input.Byte() % 9;
  std::vector<std::string> texts;
  texts.reserve(count);  // the arguments refer into these strings
  std::vector<vorlan::FormatArg> args;
  for (size_t i = 0; i < count; ++i) args.push_back(Argument(input, texts));
  std::string format = input.Rest();
  try {
    std::string result = vorlan::FormatArgs(format, args);
    // A format without directives comes back unchanged.
    if (format.find('%') == std::string::npos && result != format) std::abort();
  } catch (const vorlan::EConvertError&) {
  }
  return 0;
}
