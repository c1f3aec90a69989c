#include "setup_handlers.h"

#include <vector>

namespace vorlan {

namespace {
// A function-local list, so handler sources may register during static
// initialisation in any order.
std::vector<TSetupHandlers::TRegistration>& Registrations() {
  static std::vector<TSetupHandlers::TRegistration> registrations;
  return registrations;
}
}  // namespace

TSetupHandlers::TSetupHandlers(TRegistration registration) { Registrations().push_back(registration); }

void TSetupHandlers::RegisterAll(THandlerRegistry& registry) {
  for (TRegistration registration : Registrations()) registration(registry);
}

}  // namespace vorlan
