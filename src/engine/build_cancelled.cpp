#include "engine/build_cancelled.h"

#include "archive/archive_hooks.h"
#include "base/exceptions.h"
#include "component/program_scope.h"

namespace vorlan {

namespace {
// The archive reaches the flag through its hook for as long as the scope
// that holds it lives.
struct TBuildCancelledState {
  TBuildCancelledState() { SetArchiveBuildCancelledQuery(BuildCancelled); }
  ~TBuildCancelledState() { SetArchiveBuildCancelledQuery(nullptr); }
  TBuildCancelledState(const TBuildCancelledState&) = delete;
  TBuildCancelledState& operator=(const TBuildCancelledState&) = delete;
  bool cancelled = false;
};

TBuildCancelledState* State() {
  return ProgramScope::Exists() ? ProgramScope::Current().Find<TBuildCancelledState>() : nullptr;
}
}  // namespace

bool BuildCancelled() {
  TBuildCancelledState* state = State();
  return state && state->cancelled;
}

void SetBuildCancelled(bool value) {
  if (TBuildCancelledState* state = State()) state->cancelled = value;
}

void CheckBuildCancelled() {
  if (BuildCancelled()) throw EUserAbortInstall();
}

void RegisterBuildCancelled(ProgramScope& scope) {
  if (!scope.Find<TBuildCancelledState>()) scope.Emplace<TBuildCancelledState>();
}

}  // namespace vorlan
