#pragma once
// Brings the built-in specifiers onto a form: the first install object
// placed on it creates one instance of every registered class under its
// default name; later objects add only classes registered since.

namespace vorlan {

class TClassInfo;
class TComponent;

// With check_existing, nothing happens when an instance of the class (or a
// derived class) exists already.
void EnsurePathSpecifier(const TClassInfo& info, TComponent* owner, bool check_existing);
// EnsurePathSpecifier(class, owner, true) for every registered class, in
// registration order; nothing without an owner.
void EnsurePathSpecifiers(TComponent* owner);

}  // namespace vorlan
