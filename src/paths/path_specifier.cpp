#include "paths/path_specifier.h"

#include "component/class_info.h"

namespace vorlan {

const TClassInfo& TPathSpecifier::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Define<TPathSpecifier, TCustomPathSpecifier>("TPathSpecifier", [](auto& p) {
        p.String("Description", &TPathSpecifier::Description, &TPathSpecifier::SetDescription)
            .Default(std::string("My cool new path specifier"));
        p.Event("OnGetPath", &TPathSpecifier::OnGetPath);
      });
  return info;
}

}  // namespace vorlan
