#pragma once
// The reference lists of the tree: they never own their entries.

#include <algorithm>
#include <string>
#include <unordered_set>
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
    members_.insert(item);
  }
  void Remove(T* item) {
    std::erase(items_, item);
    members_.erase(item);
  }
  // Each object that goes asks this of every other, so it must not take
  // a walk through the list.
  bool Contains(const T* item) const { return members_.contains(item); }
  void Clear() {
    items_.clear();
    members_.clear();
  }
  const std::vector<T*>& Items() const { return items_; }

 private:
  const char* class_name_;
  std::vector<T*> items_;
  std::unordered_set<const T*> members_;
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
