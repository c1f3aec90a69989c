#include "objects/install_registry.h"

#include "base/strings.h"
#include "component/program_scope.h"
#include "objects/install_engine.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_variable.h"
#include "system/uninstall_records.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
const TEnumInfo& RootKeysInfo() {
  static const TEnumInfo info("TRootKeys", {"hkClassesRoot", "hkCurrentConfig", "hkCurrentUser", "hkDynData",
                                            "hkLocalMachine", "hkUsers"});
  return info;
}

TInstallEngine& RequireEngine() {
  TInstallEngine* engine = TheInstall();
  if (!engine) throw IEInstallRegistry("There is no TInstall component in your project");
  return *engine;
}
}  // namespace

TInstallRegistryList* AllRegistryObjects() {
  return ProgramScope::Exists() ? ProgramScope::Current().Find<TInstallRegistryList>() : nullptr;
}

// --- entries ---

TCustomInstallRegistry* TRegistryEntry::Owner() const {
  TCustomInstallRegistry* owner = static_cast<const TRegistryEntries&>(Collection()).Owner();
  return owner->Loading() ? nullptr : owner;
}

void TRegistryEntry::SetBoolean(bool value) {
  boolean_ = value;
  if (Owner()) entry_type_ = retBoolean;
}

void TRegistryEntry::SetInteger(int32_t value) {
  integer_ = value;
  if (Owner()) entry_type_ = retInteger;
}

void TRegistryEntry::SetText(const std::string& value) {
  text_ = value;
  if (Owner()) entry_type_ = retText;
}

void TRegistryEntry::SetPathSpecifier(TCustomPathSpecifier* value) {
  if (TCustomInstallRegistry* owner = Owner()) {
    if (value) {
      value->CheckObject(owner);
      text_ = "%p";
    }
    entry_type_ = retText;
  }
  path_specifier_ = value;
  static_cast<const TRegistryEntries&>(Collection()).Owner()->WatchSpecifier(value);
}

const TClassInfo& TRegistryEntry::StaticClassInfo() {
  static const TEnumInfo types("TRegistryEntryType", {"retText", "retInteger", "retBoolean"});
  static const TClassInfo info = TClassInfo::Define<TRegistryEntry, TPersistent>("TRegistryEntry", [](auto& p) {
    using T = TRegistryEntry;
    p.Boolean("Boolean", &T::Boolean, &T::SetBoolean).Default(false);
    p.Enumeration("EntryType", types, &T::EntryType, &T::SetEntryType).Default(int64_t{retText});
    p.String("Ident", &T::Ident, &T::SetIdent);
    p.Integer("Integer", &T::Integer, &T::SetInteger).Default(int64_t{0});
    p.template Reference<TCustomPathSpecifier>("PathSpecifier", &T::PathSpecifier, &T::SetPathSpecifier);
    p.String("Text", &T::Text, &T::SetText);
  });
  return info;
}

TRegistryEntries::TRegistryEntries(TCustomInstallRegistry* owner)
    : TCollection([](TCollection& collection) { return std::make_unique<TRegistryEntry>(collection); }),
      owner_(owner) {
  if (!owner) throw IERegistryEntries("Cannot create a TRegistryEntries component with a Nil Owner");
}

// --- registry objects ---

TCustomInstallRegistry::TCustomInstallRegistry(TComponent* owner) : TInstallObject(owner, type_code::kRegistry) {
  SetAutoProcess(false);
  SetInclude(true);
  if (TInstallRegistryList* all = AllRegistryObjects()) all->Add(this);
}

TCustomInstallRegistry::~TCustomInstallRegistry() {
  if (TInstallRegistryList* all = AllRegistryObjects()) all->Remove(this);
}

void TCustomInstallRegistry::WatchSpecifier(TCustomPathSpecifier* specifier) {
  if (specifier) specifier->FreeNotification(this);
}

void TCustomInstallRegistry::Notification(TComponent* component, TOperation operation) {
  TInstallObject::Notification(component, operation);
  if (operation != TOperation::opRemove || !component) return;
  for (int i = 0; i < entries_.Count(); ++i) {
    TRegistryEntry& entry = entries_.Items(i);
    if (entry.PathSpecifier() == component) entry.ForgetPathSpecifier();
  }
}

void TCustomInstallRegistry::SetKey(const std::string& value) {
  key_ = key_specifier_type_ == ksAbsolute ? value : std::string();
}

void TCustomInstallRegistry::SetKeySpecifierType(TKeySpecifier value) {
  if (value != ksAbsolute) {
    if (!Loading()) RequireEngine();
    key_.clear();
    root_key_ = hkLocalMachine;
  }
  key_specifier_type_ = value;
}

void TCustomInstallRegistry::EngineRemoved() { key_specifier_type_ = ksAbsolute; }

std::string TCustomInstallRegistry::GetKeyPath() const {
  if (key_specifier_type_ == ksAbsolute) return RemoveBackslash(key_);
  TInstallEngine& engine = RequireEngine();
  std::string key = "\\SOFTWARE\\" + engine.CompanyName();
  if (key_specifier_type_ >= ksProductName) key += "\\" + engine.ProductName();
  if (key_specifier_type_ == ksVersion) key += "\\" + engine.Version();
  return key;
}

std::string TCustomInstallRegistry::GetEntryText(const TRegistryEntry& entry) {
  if (!entry.PathSpecifier()) return entry.Text();
  return ExpandPathVariable(entry.Text(), entry.PathSpecifier()->GetPath(this));
}

void TCustomInstallRegistry::WriteEntry(const TRegistryEntry& entry, TRootKeys root, const std::string& key) {
  TVorlanRegistry registry;
  SetRootKeyIndex(registry, root);
  if (!registry.OpenKey(key, true)) throw IERegistryEntry("%s cannot create the key %s in the registry", Name(), key);
  switch (entry.EntryType()) {
    case retText: registry.WriteString(entry.Ident(), GetEntryText(entry)); break;
    case retInteger: registry.WriteInteger(entry.Ident(), entry.Integer()); break;
    case retBoolean: registry.WriteInteger(entry.Ident(), entry.Boolean() ? 1 : 0); break;
  }
}

namespace {
// The outermost key of the path that is not there yet, or empty when the
// whole path is.
std::string OutermostMissingKey(TRootKeys root, const std::string& key) {
  TVorlanRegistry registry;
  SetRootKeyIndex(registry, root);
  std::string missing;
  for (std::string at = RemoveBackslash(key); at.size() > 1 && !registry.KeyExists(at); at = ExtractFileDir(at)) {
    missing = at;
  }
  return missing;
}
}  // namespace

void TCustomInstallRegistry::InstallObjects() {
  int count = entries_.Count();
  created_key_ = count > 0 ? OutermostMissingKey(root_key_, GetKeyPath()) : std::string();
  for (int i = 0; i < count; ++i) {
    TRegistryEntry& entry = entries_.Items(i);
    bool go_on = true;
    on_before_write_entry_(this, entry, go_on);
    if (go_on) WriteEntry(entry, root_key_, GetKeyPath());
  }
  TInstallObject::InstallObjects();
}

void TCustomInstallRegistry::HandleMessage(TInstallContainer* sender, int code, const TReport& report) {
  TInstallObject::HandleMessage(sender, code, report);
  if (code == stage::kRegistryRequest) Process();
}

// A key recorded before, by an earlier run or another object of this one,
// takes the values into its record: one uninstall removes them all.
void TCustomInstallRegistry::RegisterUninstall(const std::string& key) {
  const std::string list = key + "\\" + uninstall_record::kRegistryKeys;
  std::string record = RecordOfKey(list);
  if (record.empty()) {
    int64_t n = StrToIntDef(ReadRegString(hkLocalMachine, list, uninstall_record::kEntries, "0"), 0);
    WriteRegString(hkLocalMachine, list, uninstall_record::kEntries, IntToStr(n + 1));
    record = list + "\\" + uninstall_record::kRegistryKey + IntToStr(n + 1);
    WriteRegString(hkLocalMachine, record, "Key", GetKeyPath());
    WriteRegInteger(hkLocalMachine, record, "Root", root_key_);
  }
  // A run that found the key there keeps what the first one created.
  if (!created_key_.empty() && ReadRegString(hkLocalMachine, record, uninstall_record::kCreated, "").empty()) {
    WriteRegString(hkLocalMachine, record, uninstall_record::kCreated, created_key_);
  }
  for (int i = 0; i < entries_.Count(); ++i) {
    const TRegistryEntry& entry = entries_.Items(i);
    WriteRegString(hkLocalMachine, record + "\\Entries\\", entry.Ident(), GetEntryText(entry));
  }
}

std::string TCustomInstallRegistry::RecordOfKey(const std::string& list) {
  std::string path = GetKeyPath();
  for (const std::string& name : NumberedNames(RecordNames(list, false), uninstall_record::kRegistryKey)) {
    std::string record = list + "\\" + name;
    if (ReadRegInteger(hkLocalMachine, record, "Root", -1) != root_key_) continue;
    if (SameText(ReadRegString(hkLocalMachine, record, "Key", ""), path)) return record;
  }
  return {};
}

void TCustomInstallRegistry::Loaded() {
  TInstallObject::Loaded();
  // The entries' specifiers were set while loading; from now on they are
  // watched.
  for (int i = 0; i < entries_.Count(); ++i) WatchSpecifier(entries_.Items(i).PathSpecifier());
}

const TClassInfo& TCustomInstallRegistry::StaticClassInfo() {
  static const TEnumInfo specifiers("TKeySpecifier", {"ksAbsolute", "ksCompanyName", "ksProductName", "ksVersion"});
  static const TClassInfo info =
      TClassInfo::Define<TCustomInstallRegistry, TInstallObject>("TCustomInstallRegistry", [](auto& p) {
        using T = TCustomInstallRegistry;
        p.Collection("Entries", [](T& registry) { return &registry.Entries(); });
        p.String("Key", &T::Key, &T::SetKey).Default(std::string("\\SOFTWARE\\MyStuff"));
        p.Enumeration("KeySpecifierType", specifiers, &T::KeySpecifierType, &T::SetKeySpecifierType)
            .Default(int64_t{ksAbsolute});
        p.Enumeration("RootKey", RootKeysInfo(), &T::RootKey, &T::SetRootKey).Default(int64_t{hkLocalMachine});
        p.Event("OnBeforeWriteEntry", &T::OnBeforeWriteEntry);
      });
  return info;
}

const TClassInfo& TInstallRegistry::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TInstallRegistry, TCustomInstallRegistry>("TInstallRegistry");
  return info;
}

}  // namespace vorlan
