#include "component/collection.h"

#include <algorithm>

#include "component/class_info.h"

namespace vorlan {

int TCollectionItem::Index() const {
  for (int i = 0; i < collection_->Count(); ++i) {
    if (&collection_->Items(i) == this) return i;
  }
  return -1;
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCollection, TPersistent>("TCollection");
  return info;
}

TCollectionItem& TCollection::Add() {
  items_.push_back(factory_(*this));
  return *items_.back();
}

void TCollection::Delete(int index) { items_.erase(items_.begin() + index); }

}  // namespace vorlan
