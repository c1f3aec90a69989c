#pragma once
// Small classes with one property of every kind, for the reader and writer.

#include <string>
#include <vector>

#include "component/class_info.h"
#include "component/collection.h"
#include "component/component.h"

namespace vorlan::testing_classes {

enum class TTestColor { tcRed, tcGreen, tcBlue };
const TEnumInfo& TestColorInfo();

// Records what happened to the components of one test, in order.
std::vector<std::string>& Journal();

class TTestInfo : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  const std::string& Company() const { return company_; }
  void SetCompany(const std::string& company) { company_ = company; }
  int Version() const { return version_; }
  void SetVersion(int version) { version_ = version; }

 private:
  std::string company_ = "My Company";
  int version_ = 1;
};

class TTestEntry : public TCollectionItem {
  VORLAN_CLASS_INFO()

 public:
  using TCollectionItem::TCollectionItem;
  const std::string& Ident() const { return ident_; }
  void SetIdent(const std::string& ident) { ident_ = ident; }
  TComponent* Target() const { return target_; }
  void SetTarget(TComponent* target) { target_ = target; }

 private:
  std::string ident_;
  TComponent* target_ = nullptr;
};

class TTestForm : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestForm(TComponent* owner) : TComponent(owner) {}
  ~TTestForm() override { DestroyComponents(); }
  bool IsForm() const override { return true; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }

 private:
  std::string caption_;
};

class TTestItem : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestItem(TComponent* owner);
  ~TTestItem() override;

  bool Flag() const { return flag_; }
  void SetFlag(bool flag);
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  TTestColor Color() const { return color_; }
  void SetColor(TTestColor color) { color_ = color; }
  uint8_t Colors() const { return colors_; }
  void SetColors(uint8_t colors) { colors_ = colors; }
  TTestItem* Buddy() const { return buddy_; }
  void SetBuddy(TTestItem* buddy);
  const TStringList& Lines() const { return lines_; }
  void SetLines(const TStringList& lines) { lines_ = lines; }
  TTestInfo* Info() { return &info_; }
  TCollection* Entries() { return &entries_; }
  TEvent<void(TComponent*)>& OnPing() { return on_ping_; }
  const TBytes& Data() const { return data_; }
  void SetData(const TBytes& data) { data_ = data; }

  void Loaded() override;

  // Whether the loading flag was on when Flag was last assigned.
  bool flag_set_while_loading = false;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool flag_ = false;
  int count_ = 0;
  std::string text_;
  TTestColor color_ = TTestColor::tcRed;
  uint8_t colors_ = 0;
  TTestItem* buddy_ = nullptr;
  TStringList lines_;
  TTestInfo info_;
  TCollection entries_ = TCollection::Of<TTestEntry>();
  TEvent<void(TComponent*)> on_ping_;
  TBytes data_;
};

// Its constructor brings along a TTestItem named Companion, as the first
// install object brings the standard path specifiers.
class TTestMaker : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  explicit TTestMaker(TComponent* owner);
};

// Registers the test classes with the current ProgramScope.
void RegisterTestClasses();

}  // namespace vorlan::testing_classes
