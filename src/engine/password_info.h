#pragma once
// TPasswordInfo: the install password, kept only as its digest: "$" and the
// SHA-1 of the text as 40 upper-case hexadecimal digits. While its owner
// loads a definition, the value read is that stored form already and is
// kept as it is, so a definition reads back the password it was written
// with.

#include <cstdint>
#include <string>

#include "component/class_info.h"
#include "component/component.h"
#include "component/persistent.h"

namespace vorlan {

class TPasswordInfo : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  explicit TPasswordInfo(const TComponent* owner = nullptr) : owner_(owner) {}
  TPasswordInfo(const TPasswordInfo&) = delete;
  TPasswordInfo& operator=(const TPasswordInfo&) = delete;
  // Copies the values, not the owner.
  void Assign(const TPasswordInfo& other);

  // The stored form, never the text.
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& text);
  int32_t PasswordTries() const { return password_tries_; }
  // Fewer than one try is stored as one.
  void SetPasswordTries(int32_t value) { password_tries_ = value < 1 ? 1 : value; }

 private:
  const TComponent* owner_;
  std::string password_;
  int32_t password_tries_ = 3;
};

}  // namespace vorlan
