#pragma once
// The process-wide state of the install object tree, created in its fixed
// order by RegisterObjectsModule and torn down with the ProgramScope.

#include <bitset>
#include <string>

#include "base/date_time.h"
#include "objects/install_lists.h"

namespace vorlan {

class ProgramScope;
class TVorlanCompress;
class TInstallEngine;

struct TObjectsState {
  TInstallEngine* the_install = nullptr;
  std::string install_record_key;
  // Whether that record held any object's entry when last looked into
  // (empty key: not looked into yet); downloads add entries.
  std::string local_records_key;
  bool local_records_exist = false;
  TDateTime install_start_time = 0;
  bool strict_registration = true;
  bool download_aborted = false;
  // The UniqueID marks of the install files, 0 ... 1999.
  std::bitset<2000> unique_id_marks;
  // A loaded install file has reset the marks to the definition's own.
  bool unique_ids_loaded = false;
};

// Sets up the system and paths modules first, then creates the lists and
// the shared archive in their order:
// DeferredRegistrationFiles, AllInstallFiles, MainArchive, AllContainers,
// then AllRegistryObjects; last it registers the path specifier classes,
// its own among them.
void RegisterObjectsModule(ProgramScope& scope);

// The next number of the run's name clashes (1, 2, ...): a component that
// must give up its name to a file container's specifier is renamed
// nameClash followed by it.
int NextNameClash();

TObjectsState& ObjectsState();
TCustomInstallFileList& DeferredRegistrationFiles();
TCustomInstallFileList& AllInstallFiles();
TVorlanCompress& MainArchive();
// Every install object in creation order; empty when no scope holds it
// (objects created before start-up or after shutdown are not recorded).
TInstallContainerList* AllContainers();

}  // namespace vorlan
