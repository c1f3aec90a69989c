// One pass of the run: every install object of one type code, in the order
// the objects were created.

#include <algorithm>

#include "base/run_then_finish.h"
#include "base/strings.h"
#include "engine/custom_install.h"
#include "engine/run_sequence.h"
#include "objects/install_lists.h"
#include "objects/objects_module.h"

namespace vorlan {

void TRunSequence::InstallByTypeCode(int code, const std::string& status_text) {
  TInstallContainerList* objects = AllContainers();
  if (!objects) return;
  bool status_shown = false;
  // The status goes away also when an object fails.
  RunThenFinish(
      [&] {
        // Objects that the pass itself creates are not part of it.
        int count = objects->Count();
        for (int i = 0; i < std::min(count, objects->Count()); ++i) {
          TInstallContainer* object = objects->Items(i);
          if (object->TypeCode() != code) continue;
          if (!status_shown && !Trim(status_text).empty()) {
            engine_.ShowStatus(status_text);
            status_shown = true;
          }
          object->Process();
        }
      },
      [&] {
        if (status_shown) engine_.ClearStatus();
      });
}

}  // namespace vorlan
