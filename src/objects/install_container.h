#pragma once
// TInstallContainer: the root class of the install object tree. The tree is
// not the form's ownership: it is built from each object's Container, with
// the engine at the root, and a container keeps its children ordered by
// type code.

#include <string>
#include <vector>

#include "component/component.h"
#include "component/event.h"
#include "objects/install_types.h"
#include "objects/report.h"

namespace vorlan {

class TCustomPathSpecifier;
class TInstallObject;

class TInstallContainer : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  using TNotifyEvent = TEvent<void(TInstallContainer* container)>;

  // type_code is the constant of the class being built; it is fixed before
  // any constructor runs, so the tree can place an object while it is made.
  explicit TInstallContainer(TComponent* owner, int type_code = type_code::kNone);
  ~TInstallContainer() override;

  bool AutoProcess() const { return auto_process_; }
  void SetAutoProcess(bool value) { auto_process_ = value; }
  bool Include() const { return include_; }
  void SetInclude(bool value) { include_ = value; }
  bool Processed() const { return processed_; }
  void SetProcessed(bool value) { processed_ = value; }
  TInstallType CurrentInstallType() const { return current_install_type_; }
  bool Uninstall() const { return uninstall_; }
  void SetUninstall(bool value) { uninstall_ = value; }
  OSSet OS() const { return os_; }
  void SetOS(OSSet value) { os_ = value; }
  TInstallTypeSet InstallTypes() const { return install_types_; }
  // An empty set is stored as [itFull].
  void SetInstallTypes(TInstallTypeSet value);
  int32_t Order() const { return order_; }
  void SetOrder(int32_t value) { order_ = value; }
  TNotifyEvent& OnAfterProcess() { return on_after_process_; }
  TNotifyEvent& OnBeforeProcess() { return on_before_process_; }
  const std::string& DestDir() const { return dest_dir_; }
  TCustomPathSpecifier* DestDirType() const { return dest_dir_type_; }

  virtual void SetDestDir(const std::string& value);
  // Outside loading, a specifier that cannot serve this object refuses it.
  virtual void SetDestDirType(TCustomPathSpecifier* value);
  // Told by a destroyed install object, so no reference to it stays.
  virtual void ObjectRemoved(TInstallContainer* object);
  virtual void ShowStatus(const std::string& text);
  // An information code from a child, on its way up the tree.
  virtual void DoInformationEventControl(TInstallContainer* sender, int code, const TReport& report);
  // A stage code broadcast by the parent.
  virtual void HandleMessage(TInstallContainer* sender, int code, const TReport& report);
  // False for a class whose HandleMessage is the empty one, made final:
  // Broadcast passes it by.
  virtual bool TakesMessages() const { return true; }
  // The destination directory: the specifier's path followed by DestDir,
  // one trailing backslash removed.
  virtual std::string GetDestinationPath();
  // Raises for a class that declares no code.
  int TypeCode() const;
  virtual void AddChild(TInstallObject* object);
  virtual void Process();
  virtual void InstallObjects();
  virtual bool WillInstall();
  virtual void ResumeUnfinished() {}
  virtual void RemoveChild(TInstallObject* object);
  virtual void RegisterUninstall(const std::string& /*key*/) {}
  // Creates the directory with every missing parent; the directories this
  // creates are recorded for the uninstaller with the object's records.
  void ForceDestinationDirectories(const std::string& path);
  // The engine is being destroyed.
  virtual void EngineRemoved() {}

  int ChildCount() const { return static_cast<int>(children_.size()); }
  TInstallObject* Children(int index) const;
  // The index-th child of class info (or a descendant).
  TInstallObject* Comp(int index, const TClassInfo& info) const;
  int ChildCountOf(const TClassInfo& info) const;
  void FreeChildrenOf(const TClassInfo& info);
  void Broadcast(TInstallContainer* sender, int code, const TReport& report = {});
  void ClearStatus();
  // Sets the run's install type on every child, then on this object.
  void SetInstallType(TInstallType type);

  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The steps of Process after the operating-system filter, inside the
  // handler that lets an EAbort skip this object.
  void ProcessIncluded();
  // The constructor assigned DestDirType; cleared at load unless stored.
  void MarkDestDirTypeByConstructor() { dest_dir_type_by_constructor_ = true; }
  void AssignDestDirType(TCustomPathSpecifier* value);

 private:
  bool auto_process_ = false;
  std::vector<TInstallObject*> children_;
  std::vector<TInstallObject*> receivers_;  // the children that Broadcast reaches
  bool receivers_stale_ = false;
  bool include_ = true;
  bool processed_ = false;
  TInstallType current_install_type_ = itFull;
  bool uninstall_ = true;
  OSSet os_ = 0;
  TNotifyEvent on_after_process_;
  TNotifyEvent on_before_process_;
  std::string dest_dir_;
  TCustomPathSpecifier* dest_dir_type_ = nullptr;
  bool dest_dir_type_by_constructor_ = false;
  bool dest_dir_type_by_setter_ = false;
  TInstallTypeSet install_types_ = SetBit(itFull) | SetBit(itDefault) | SetBit(itCompact);
  int32_t order_ = -1;
  int type_code_;
  std::vector<std::string> created_directories_;
};

}  // namespace vorlan
