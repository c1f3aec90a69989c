#pragma once
// The built-in specifiers that rest on the install tree: the object's
// container and the engine. Each refuses, in CheckObject and again when
// expanding, an object it cannot serve.

#include <string>

#include "paths/standard_path_specifier.h"

namespace vorlan {

// The archive path of the object's container, which must be file-related.
class TpsContainerArchiveFile : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsContainerArchiveFile(TComponent* owner);
  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  std::string GetPath(TInstallContainer* object) override;
};

// The destination of the object's container; describes itself by that
// container.
class TpsContainerDestDir : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsContainerDestDir(TComponent* owner);
  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetObjectDescription(TInstallContainer* object) override;
  std::string GetObjectDisplayName(TInstallContainer* object) override;
  std::string GetPath(TInstallContainer* object) override;
};

// The directory the user ran the installation from.
class TpsInstallSource : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsInstallSource(TComponent* owner);
  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  std::string GetPath(TInstallContainer* object) override;
};

// The engine's destination; the engine itself cannot use it.
class TpsMainInstall : public TStandardPathSpecifier {
  VORLAN_CLASS_INFO()

 public:
  explicit TpsMainInstall(TComponent* owner);
  void CheckObject(TInstallContainer* object) override;
  std::string GetDescription() override;
  std::string GetDisplayName() override;
  std::string GetPath(TInstallContainer* object) override;
};

// Raises IEPathSpecifier "There is no TInstall component ..." for object
// when no engine exists.
void RequireEngine(TInstallContainer* object);

}  // namespace vorlan
