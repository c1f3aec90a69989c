#pragma once
// TEvent: an event property. A definition binds it to a handler by name (the
// program registers handlers with THandlerRegistry); code may assign a
// function directly. Firing an unassigned event does nothing.

#include <functional>
#include <string>
#include <utility>

namespace vorlan {

template <typename Signature>
class TEvent;

template <typename R, typename... Args>
class TEvent<R(Args...)> {
 public:
  using Function = std::function<R(Args...)>;

  const std::string& HandlerName() const { return handler_name_; }
  void Bind(std::string handler_name, Function function) {
    handler_name_ = std::move(handler_name);
    function_ = std::move(function);
  }
  void Assign(Function function) { Bind({}, std::move(function)); }
  void Clear() { Bind({}, nullptr); }

  explicit operator bool() const { return static_cast<bool>(function_); }
  // Calls the handler when one is assigned.
  R operator()(Args... args) const {
    if (!function_) return R();
    return function_(std::forward<Args>(args)...);
  }

 private:
  std::string handler_name_;
  Function function_;
};

}  // namespace vorlan
