#pragma once
// The reference lists of the tree: they never own their entries.

#include <algorithm>
#include <string>
#include <vector>

#include "base/exceptions.h"

namespace vorlan {

class TInstallContainer;
class TCustomInstallFile;

template <typename T, typename Error>
class TReferenceList {
 public:
  explicit TReferenceList(const char* class_name) : class_name_(class_name) {}

  int Count() const { return static_cast<int>(items_.size()); }
  T* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  void Add(T* item) {
    if (!item) throw Error(std::string("Cannot add a blank entry to the ") + class_name_ + " object");
    items_.push_back(item);
  }
  void Remove(T* item) { std::erase(items_, item); }
  bool Contains(const T* item) const { return std::find(items_.begin(), items_.end(), item) != items_.end(); }
  void Clear() { items_.clear(); }
  const std::vector<T*>& Items() const { return items_; }

 private:
  const char* class_name_;
  std::vector<T*> items_;
};

class TInstallContainerList : public TReferenceList<TInstallContainer, IEContainerList> {
 public:
  TInstallContainerList() : TReferenceList("TInstallContainerList") {}
};

class TCustomInstallFileList : public TReferenceList<TCustomInstallFile, IECustomInstallFileList> {
 public:
  TCustomInstallFileList() : TReferenceList("TCustomInstallFileList") {}
};

}  // namespace vorlan
