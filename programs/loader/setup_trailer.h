#pragma once
// What the end of a setup executable says about its setup archive. A built
// setup.exe ends in a SelfExtractInfo record, followed by a 40-character
// checksum when the build marked it; the bare loading program ends in
// neither. Reading the end alone cannot prove the checksum: the caller
// compares it with the digest of the rest of the file.

#include <cstdint>
#include <string_view>

#include "archive/self_extract_info.h"

namespace vorlan {

enum class TTrailerKind {
  tkNone,      // no record: the bare loading program, setup.1 beside it
  tkBeside,    // "NOTSELFEXTRACT": setup.1 beside it
  tkEmbedded,  // "SELFEXTRACTING": the setup archive is inside the executable
  tkDamaged,   // the end claims a record or checksum that does not hold
};

struct TSetupTrailer {
  TTrailerKind Kind = TTrailerKind::tkNone;
  bool Checksummed = false;  // the last 40 bytes are the checksum to compare
  SelfExtractInfo Info;
};

constexpr size_t kChecksumSize = 40;

// tail holds the last bytes of the executable, up to kSelfExtractTrailerSize
// of them; file_size is the executable's whole length.
TSetupTrailer ReadSetupTrailer(std::string_view tail, int64_t file_size);

}  // namespace vorlan
