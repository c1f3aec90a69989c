#pragma once
// TCollection: an owned list of items of one class, such as the entries of
// a registry object. A definition writes it as  Entries = < item ... end >.

#include <functional>
#include <memory>
#include <vector>

#include "component/persistent.h"

namespace vorlan {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection& collection) : collection_(&collection) {}
  TCollection& Collection() const { return *collection_; }
  int Index() const;

 private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;
  explicit TCollection(TItemFactory factory) : factory_(std::move(factory)) {}

  // A collection of items of class I, each made with I(collection).
  template <typename I>
  static TCollection Of() {
    return TCollection([](TCollection& owner) { return std::make_unique<I>(owner); });
  }

  TCollectionItem& Add();
  void Clear() { items_.clear(); }
  void Delete(int index);
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  template <typename I>
  I& ItemAs(int index) const { return static_cast<I&>(Items(index)); }

 private:
  TItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace vorlan
