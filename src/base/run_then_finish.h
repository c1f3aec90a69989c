#pragma once
// Runs body, then finish, however body ends: when body raises, finish runs
// and body's exception goes on. Unlike a scope guard's destructor, finish
// may raise: on success its exception is the caller's, and after a failed
// body it goes on in place of body's.

#include <utility>

namespace vorlan {

template <typename Body, typename Finish>
void RunThenFinish(Body&& body, Finish&& finish) {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

}  // namespace vorlan
