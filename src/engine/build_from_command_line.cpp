// Build mode (-b): the build directory comes from BUILD.INF beside the
// program, and the program ends when the build does.

#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/distribution_build.h"
#include "engine/engine_errors.h"
#include "engine/run_mode_end.h"

namespace vorlan {

namespace {
constexpr const char* kBuildInf = "BUILD.INF";

// The file's first line as it stands, without its line break.
std::string FirstLine(const std::string& path) {
  TFileStream file(path, TFileMode::Read);
  std::string text(static_cast<size_t>(file.Size()), '\0');
  text.resize(file.Read(text.data(), text.size()));
  return text.substr(0, text.find_first_of("\r\n"));
}

// A first line of blanks names no directory either: building into it would
// write to the root of the current drive.
std::string ReadBuildDirectory(const std::string& build_inf) {
  if (!FileExists(build_inf)) throw IEInstall(engine_error::kNoBuildInf);
  std::string build_dir = FirstLine(build_inf);
  if (Trim(build_dir).empty()) throw IEInstall(engine_error::kBuildInfEmpty);
  return build_dir;
}
}  // namespace

void TDistributionBuild::BuildFromCommandLine() {
  RunModeToEnd([this] {
    std::string build_dir = ReadBuildDirectory(AddBackslash(engine_.GetProgramDirectory()) + kBuildInf);
    engine_.BuildDistributables(engine_.GetModulePath(), build_dir, true);
  });
}

}  // namespace vorlan
