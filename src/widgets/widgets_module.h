#pragma once
// Sets up the user-interface layer's share of the process-wide state and
// makes its form classes known to the definition reader.

namespace vorlan {

class ProgramScope;
class TApplication;

struct TWidgetsState {
  TApplication* application = nullptr;
};

void RegisterWidgetsModule(ProgramScope& scope);
TWidgetsState& WidgetsState();

}  // namespace vorlan
