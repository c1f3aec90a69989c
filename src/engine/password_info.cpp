#include "engine/password_info.h"

#include "base/sha.h"

namespace vorlan {

void TPasswordInfo::Assign(const TPasswordInfo& other) {
  password_ = other.password_;
  password_tries_ = other.password_tries_;
}

void TPasswordInfo::SetPassword(const std::string& text) {
  password_ = owner_ && owner_->Loading() ? text : "$" + DigestToHex(Sha1(text));
}

const TClassInfo& TPasswordInfo::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TPasswordInfo, TPersistent>("TPasswordInfo", [](auto& p) {
    using T = TPasswordInfo;
    p.String("Password", &T::Password, &T::SetPassword);
    p.Integer("PasswordTries", &T::PasswordTries, &T::SetPasswordTries).Default(int64_t{3});
  });
  return info;
}

}  // namespace vorlan
