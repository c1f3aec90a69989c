#include "component/program_scope.h"

#include "base/exceptions.h"
#include "component/class_info.h"
#include "component/class_registry.h"
#include "component/collection.h"
#include "component/component.h"
#include "component/handler_registry.h"

namespace vorlan {

namespace {
ProgramScope* current_scope = nullptr;
}  // namespace

ProgramScope::ProgramScope() {
  if (current_scope) throw Exception("a ProgramScope exists already");
  current_scope = this;
  TClassRegistry& classes = Emplace<TClassRegistry>();
  classes.Register(TComponent::StaticClassInfo());
  classes.Register(TCollection::StaticClassInfo());
  Emplace<THandlerRegistry>();
}

ProgramScope::~ProgramScope() {
  while (!entries_.empty()) entries_.pop_back();
  current_scope = nullptr;
}

ProgramScope& ProgramScope::Current() {
  if (!current_scope) throw Exception("no ProgramScope exists");
  return *current_scope;
}

bool ProgramScope::Exists() { return current_scope != nullptr; }

void ProgramScope::Missing() { throw Exception("a module's state is missing from the ProgramScope"); }

TClassRegistry& Classes() { return ProgramScope::Current().Get<TClassRegistry>(); }
THandlerRegistry& Handlers() { return ProgramScope::Current().Get<THandlerRegistry>(); }

}  // namespace vorlan
