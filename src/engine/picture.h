#pragma once
// TPicture: a bitmap carried by a definition: the bytes of the device-
// independent bitmap as the resource holds them, and the size it is shown
// at.

#include <cstdint>
#include <string>

#include "component/class_info.h"
#include "component/persistent.h"
#include "component/value.h"

namespace vorlan {

class TPicture : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  const TBytes& Data() const { return data_; }
  void SetData(const TBytes& value) { data_ = value; }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t value) { width_ = value; }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t value) { height_ = value; }
  bool Empty() const { return data_.empty(); }

  // The bitmap resource of that name in the program's own module; answers
  // whether it was found (the picture stays as it was otherwise).
  bool LoadFromResource(const std::string& name);

 private:
  TBytes data_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace vorlan
