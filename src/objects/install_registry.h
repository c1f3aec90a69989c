#pragma once
// TInstallRegistry: a registry key and the values an installation writes
// there in its registry pass, each recorded under the product's uninstall
// key for the uninstaller.

#include <string>

#include "component/collection.h"
#include "objects/install_lists.h"
#include "objects/install_object.h"
#include "system/registry_routines.h"

namespace vorlan {

VORLAN_EXCEPTION(IERegistryEntries, IException);
VORLAN_EXCEPTION(IERegistryEntry, IException);
VORLAN_EXCEPTION(IEInstallRegistry, IException);
VORLAN_EXCEPTION(IEInstallRegistryList, IException);

enum TKeySpecifier : uint8_t { ksAbsolute, ksCompanyName, ksProductName, ksVersion };
enum TRegistryEntryType : uint8_t { retText, retInteger, retBoolean };

class TCustomInstallRegistry;

// One value of a registry object.
class TRegistryEntry : public TCollectionItem {
  VORLAN_CLASS_INFO()

 public:
  explicit TRegistryEntry(TCollection& collection) : TCollectionItem(collection) {}

  // Setting a value also selects its type, once the owner is loaded.
  bool Boolean() const { return boolean_; }
  void SetBoolean(bool value);
  TRegistryEntryType EntryType() const { return entry_type_; }
  void SetEntryType(TRegistryEntryType value) { entry_type_ = value; }
  const std::string& Ident() const { return ident_; }
  void SetIdent(const std::string& value) { ident_ = value; }
  int32_t Integer() const { return integer_; }
  void SetInteger(int32_t value);
  TCustomPathSpecifier* PathSpecifier() const { return path_specifier_; }
  // Outside loading, the specifier must serve the owner; Text becomes %p.
  void SetPathSpecifier(TCustomPathSpecifier* value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);

  // The registry object, known once it is loaded.
  TCustomInstallRegistry* Owner() const;
  // The specifier is being destroyed.
  void ForgetPathSpecifier() { path_specifier_ = nullptr; }

 private:
  bool boolean_ = false;
  TRegistryEntryType entry_type_ = retText;
  std::string ident_;
  int32_t integer_ = 0;
  TCustomPathSpecifier* path_specifier_ = nullptr;
  std::string text_;
};

class TRegistryEntries : public TCollection {
 public:
  // Raises IERegistryEntries without an owner.
  explicit TRegistryEntries(TCustomInstallRegistry* owner);
  TCustomInstallRegistry* Owner() const { return owner_; }
  TRegistryEntry& Items(int index) const { return ItemAs<TRegistryEntry>(index); }

 private:
  TCustomInstallRegistry* owner_;
};

class TInstallRegistryList : public TReferenceList<TCustomInstallRegistry, IEInstallRegistryList> {
 public:
  TInstallRegistryList() : TReferenceList("TInstallRegistryList") {}
};
// Every registry object alive; empty when no scope holds it.
TInstallRegistryList* AllRegistryObjects();

class TCustomInstallRegistry : public TInstallObject {
  VORLAN_CLASS_INFO()

 public:
  using TBeforeWriteEntry = TEvent<void(TCustomInstallRegistry* registry, TRegistryEntry& entry, bool& go_on)>;

  explicit TCustomInstallRegistry(TComponent* owner);
  ~TCustomInstallRegistry() override;

  TRegistryEntries& Entries() { return entries_; }
  const std::string& Key() const { return key_; }
  // Stays empty while the key is built from the product.
  void SetKey(const std::string& value);
  TKeySpecifier KeySpecifierType() const { return key_specifier_type_; }
  // A product-built key needs an engine (outside loading).
  void SetKeySpecifierType(TKeySpecifier value);
  TRootKeys RootKey() const { return root_key_; }
  void SetRootKey(TRootKeys value) { root_key_ = value; }
  TBeforeWriteEntry& OnBeforeWriteEntry() { return on_before_write_entry_; }

  // The key the values go to.
  std::string GetKeyPath() const;
  // Text, with %P standing for the entry's specifier path.
  std::string GetEntryText(const TRegistryEntry& entry);
  void WriteEntry(const TRegistryEntry& entry, TRootKeys root, const std::string& key);

  void InstallObjects() override;
  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override;
  void RegisterUninstall(const std::string& key) override;
  void EngineRemoved() override;
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TRegistryEntry;
  void WatchSpecifier(TCustomPathSpecifier* specifier);
  // The record in the list that names this object's root and key, or empty.
  std::string RecordOfKey(const std::string& list);

  TRegistryEntries entries_{this};
  std::string key_ = "\\SOFTWARE\\MyStuff";
  TKeySpecifier key_specifier_type_ = ksAbsolute;
  TRootKeys root_key_ = hkLocalMachine;
  TBeforeWriteEntry on_before_write_entry_;
  // The outermost part of the key that this run's InstallObjects created.
  std::string created_key_;
};

class TInstallRegistry : public TCustomInstallRegistry {
  VORLAN_CLASS_INFO()

 public:
  using TCustomInstallRegistry::TCustomInstallRegistry;
};

}  // namespace vorlan
