#pragma once
// An engine read from a definition and started with -s at a fresh
// directory, where the test builds the main archive; install files placed
// into a destination below it; the run started by the form's activation,
// failures routed to the application as its message loop does.

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "objects/install_file.h"
#include "paths/path_specifier.h"
#include "run_probe.h"
#include "win_test_support.h"

namespace vorlan::engine_test {

class RunFixture : public EngineFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The engine, started with -s at the test directory before parameters.
  TInstall& LoadEngine(const std::string& properties = "", std::vector<std::string> parameters = {});
  TRunProbe* MakeProbe(const std::string& name, int type_code, TInstallContainer* container = nullptr);
  // A source file and the install file that installs it into Dest.
  TInstallFile* MakeFile(const std::string& name, const std::string& file_name, const std::string& content,
                         TInstallContainer* container = nullptr);
  // The files' sources as members of the main archive.
  void BuildArchive(const std::vector<TInstallFile*>& files);
  // Activates the main form; what the run raises reaches the application.
  void Activate();

  bool HasInstallRecord();
  std::string Dest(const std::string& name) const { return temp.Path("dest\\" + name); }
  // From now on, what the program shows on stderr is kept for Errors.
  void CaptureErrors();
  std::string Errors();

  testing::TTempDir temp;
  TInstall* engine = nullptr;
  TPathSpecifier* dest = nullptr;

 private:
  std::string product_;
  bool capturing_ = false;
  std::string errors_;
};

}  // namespace vorlan::engine_test
