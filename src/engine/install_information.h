#pragma once
// TInstallInformation: the company, product and version an installation
// presents; the product name also names the Add/Remove Programs key.

#include <string>

#include "component/class_info.h"
#include "component/persistent.h"

namespace vorlan {

class TInstallInformation : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  const std::string& CompanyName() const { return company_name_; }
  void SetCompanyName(const std::string& value) { company_name_ = value; }
  const std::string& ProductName() const { return product_name_; }
  void SetProductName(const std::string& value) { product_name_ = value; }
  const std::string& Version() const { return version_; }
  void SetVersion(const std::string& value) { version_ = value; }

 private:
  std::string company_name_ = "My Company";
  std::string product_name_ = "My product";
  std::string version_ = "1.0";
};

// Who registered the product; written into the Add/Remove Programs entry
// and never stored in a definition.
class TRegistrationInformation {
 public:
  const std::string& RegCompany() const { return reg_company_; }
  void SetRegCompany(const std::string& value) { reg_company_ = value; }
  const std::string& RegOwner() const { return reg_owner_; }
  void SetRegOwner(const std::string& value) { reg_owner_ = value; }

 private:
  std::string reg_company_;
  std::string reg_owner_;
};

}  // namespace vorlan
