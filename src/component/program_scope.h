#pragma once
// ProgramScope: the one owner of process-wide state. main and every test
// fixture create one; modules add their state to it in their fixed order
// (the lower layers first) and it is torn down in reverse. Each piece of
// state is reached through its module's accessor, which finds it here.

#include <memory>
#include <utility>
#include <vector>

namespace vorlan {

class ProgramScope {
 public:
  // Creates the component module's state: the class registry (with the
  // base classes) and the handler registry.
  ProgramScope();
  ~ProgramScope();
  ProgramScope(const ProgramScope&) = delete;
  ProgramScope& operator=(const ProgramScope&) = delete;

  // The scope alive now; raises when there is none.
  static ProgramScope& Current();
  static bool Exists();

  // Adds one piece of state, kept until the scope ends.
  template <typename T, typename... Args>
  T& Emplace(Args&&... args) {
    auto holder = std::make_unique<Holder<T>>(std::forward<Args>(args)...);
    T& value = holder->value;
    entries_.push_back({Key<T>(), std::move(holder)});
    return value;
  }

  // The state of type T, or empty when no module added it.
  template <typename T>
  T* Find() const {
    for (const auto& entry : entries_) {
      if (entry.key == Key<T>()) return &static_cast<Holder<T>*>(entry.holder.get())->value;
    }
    return nullptr;
  }

  // The state of type T; raises when no module added it.
  template <typename T>
  T& Get() const {
    T* value = Find<T>();
    if (!value) Missing();
    return *value;
  }

 private:
  struct HolderBase {
    virtual ~HolderBase() = default;
  };
  template <typename T>
  struct Holder : HolderBase {
    template <typename... Args>
    explicit Holder(Args&&... args) : value(std::forward<Args>(args)...) {}
    T value;
  };
  struct Entry {
    const void* key;
    std::unique_ptr<HolderBase> holder;
  };

  template <typename T>
  static const void* Key() {
    static const char key = 0;
    return &key;
  }
  [[noreturn]] static void Missing();

  std::vector<Entry> entries_;
};

}  // namespace vorlan
