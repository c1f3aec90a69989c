#pragma once

#include <string>

#include "base/exceptions.h"
#include "base/format.h"

namespace vorlan {

struct TSourcePos {
  int line = 1;
  int column = 1;
};

// A definition that cannot be read: the message names the line and column
// and what was expected there.
class EReadError : public Exception {
 public:
  EReadError(TSourcePos pos, const std::string& problem)
      : Exception(Format("Line %d, column %d: %s", pos.line, pos.column, problem)), pos_(pos) {}
  TSourcePos Pos() const { return pos_; }

 private:
  TSourcePos pos_;
};

}  // namespace vorlan
