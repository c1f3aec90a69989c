#pragma once
// THandlerRegistry: the functions a program offers to its definitions, by
// name. A definition's "OnAfterInitialized = Install1AfterInitialized" binds
// the event to the function registered under that name.

#include <any>
#include <functional>
#include <map>
#include <string>

#include "base/exceptions.h"

namespace vorlan {

// A definition names a handler the program does not have, or one whose
// arguments do not fit the event.
VORLAN_EXCEPTION(EUnknownHandler, Exception);

class THandlerRegistry {
 public:
  template <typename Function>
  void Register(const std::string& name, Function function) {
    handlers_[name] = std::any(std::move(function));
  }

  bool Contains(const std::string& name) const { return handlers_.count(name) != 0; }

  template <typename Function>
  Function Find(const std::string& name) const {
    auto found = handlers_.find(name);
    if (found == handlers_.end()) throw EUnknownHandler("no handler named " + name + " is registered");
    const Function* function = std::any_cast<Function>(&found->second);
    if (!function) throw EUnknownHandler("the handler " + name + " does not fit this event");
    return *function;
  }

 private:
  std::map<std::string, std::any> handlers_;
};

// The handlers of the current ProgramScope.
THandlerRegistry& Handlers();

}  // namespace vorlan
