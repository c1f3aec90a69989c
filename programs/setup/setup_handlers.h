#pragma once
// The handlers a setup program offers its definition. Each handler source
// of the program registers its functions from one object at namespace
// scope:
//
//   const vorlan::TSetupHandlers kHandlers([](vorlan::THandlerRegistry& registry) {
//     registry.Register<std::function<void(vorlan::TObject*)>>("MainFormActivate", &Activate);
//   });
//
// The program calls every registration once its ProgramScope exists,
// before the definition is read.

#include "component/handler_registry.h"

namespace vorlan {

class TSetupHandlers {
 public:
  using TRegistration = void (*)(THandlerRegistry& registry);

  explicit TSetupHandlers(TRegistration registration);
  static void RegisterAll(THandlerRegistry& registry);
};

}  // namespace vorlan
