#pragma once
// TDistributionBuild: the engine's build mode. Writes the distributables of
// the definition into a build directory: the loader files (setup.exe and
// setup.1), the product's archives by the kind of distribution (with the
// file list of a remote one), and the stand-alone setup executable that
// carries them all.

#include <string>

namespace vorlan {

class TCustomInstall;

class TDistributionBuild {
 public:
  // The engine's tree is what is built; engine outlives the build.
  explicit TDistributionBuild(TCustomInstall& engine) : engine_(engine) {}

  // Builds into the directory that BUILD.INF beside the program names; a
  // failure is shown. Either way the application then ends.
  void BuildFromCommandLine();
  // program: this setup program; build_dir: where the distributables go.
  void Build(const std::string& program, const std::string& build_dir, bool stand_alone);
  // setup.exe (or, without the loading program, a copy of this program)
  // and setup.1 in build_dir.
  void CreateLoaderFiles(const std::string& build_dir, const std::string& program);
  // setup.1: this program first, then the PresetupFiles.
  void WriteSetupArchive(const std::string& build_dir, const std::string& program);
  // filelist.lst of a remote distribution, below archive's directory.
  void WriteFileList(const std::string& archive);

  // Appends the archives (files_archive only when it exists) and the record
  // that locates them to setup_exe.
  static void MakeStandAlone(const std::string& setup_exe, const std::string& setup_archive,
                             const std::string& files_archive);
  // The record that tells the loading program its archives lie beside it.
  static void AddNotSelfExtractInfo(const std::string& setup_exe);

 private:
  void CompressProductArchives(const std::string& files_archive);

  TCustomInstall& engine_;
};

}  // namespace vorlan
