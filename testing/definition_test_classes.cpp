#include "definition_test_classes.h"

#include "component/class_registry.h"

namespace vorlan::testing_classes {

const TEnumInfo& TestColorInfo() {
  static const TEnumInfo info("TTestColor", {"tcRed", "tcGreen", "tcBlue"});
  return info;
}

std::vector<std::string>& Journal() {
  static std::vector<std::string> journal;
  return journal;
}

const TClassInfo& TTestInfo::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestInfo, TPersistent>("TTestInfo", [](auto& p) {
    p.String("Company", &TTestInfo::Company, &TTestInfo::SetCompany).Default(std::string("My Company"));
    p.Integer("Version", &TTestInfo::Version, &TTestInfo::SetVersion).Default(int64_t{1});
  });
  return info;
}

const TClassInfo& TTestEntry::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestEntry, TPersistent>("TTestEntry", [](auto& p) {
    p.String("Ident", &TTestEntry::Ident, &TTestEntry::SetIdent);
    p.template Reference<TComponent>("Target", &TTestEntry::Target, &TTestEntry::SetTarget);
  });
  return info;
}

const TClassInfo& TTestForm::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestForm, TComponent>("TTestForm", [](auto& p) {
    p.String("Caption", &TTestForm::Caption, &TTestForm::SetCaption);
  });
  return info;
}

TTestItem::TTestItem(TComponent* owner) : TComponent(owner) {}

TTestItem::~TTestItem() { Journal().push_back("destroy " + Name()); }

void TTestItem::SetFlag(bool flag) {
  flag_ = flag;
  flag_set_while_loading = Loading();
}

void TTestItem::SetBuddy(TTestItem* buddy) {
  if (buddy_) buddy_->RemoveFreeNotification(this);
  buddy_ = buddy;
  if (buddy_) buddy_->FreeNotification(this);
}

void TTestItem::Loaded() {
  // Every component is still loading when its own turn comes.
  Journal().push_back("loaded " + Name() + (Loading() ? "" : " but not loading"));
  TComponent::Loaded();
}

void TTestItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == buddy_) buddy_ = nullptr;
}

const TClassInfo& TTestItem::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestItem, TComponent>("TTestItem", [](auto& p) {
    p.Boolean("Flag", &TTestItem::Flag, &TTestItem::SetFlag).Default(false);
    p.Integer("Count", &TTestItem::Count, &TTestItem::SetCount).Default(int64_t{0});
    p.String("Text", &TTestItem::Text, &TTestItem::SetText);
    p.Enumeration("Color", TestColorInfo(), &TTestItem::Color, &TTestItem::SetColor)
        .Default(int64_t{static_cast<int>(TTestColor::tcRed)});
    p.Set("Colors", TestColorInfo(), &TTestItem::Colors, &TTestItem::SetColors).Default(int64_t{0});
    p.template Reference<TTestItem>("Buddy", &TTestItem::Buddy, &TTestItem::SetBuddy);
    p.StringList("Lines", &TTestItem::Lines, &TTestItem::SetLines);
    p.Object("Info", &TTestItem::Info);
    p.Collection("Entries", &TTestItem::Entries);
    p.Event("OnPing", &TTestItem::OnPing);
    p.Binary("Data", &TTestItem::Data, &TTestItem::SetData);
  });
  return info;
}

TTestMaker::TTestMaker(TComponent* owner) : TComponent(owner) {
  if (owner && !owner->FindComponent("Companion")) (new TTestItem(owner))->SetName("Companion");
}

const TClassInfo& TTestMaker::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TTestMaker, TComponent>("TTestMaker");
  return info;
}

void RegisterTestClasses() {
  Classes().Register(TTestForm::StaticClassInfo());
  Classes().Register(TTestItem::StaticClassInfo());
  Classes().Register(TTestMaker::StaticClassInfo());
}

}  // namespace vorlan::testing_classes
