// Result<T>: a value or the reason there is none (file, line, what was
// expected, what was found). Bad input inside the host and the zek program is
// a value, not an exception.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace zek {

// Why an operation on user input failed, in the words a drafter reads:
// "plate.dxf:1207: expected a group code (an integer), found "AcDbLine"".
struct Failure {
  std::string file;      // the user's file, as named on the command line
  long line = 0;         // 1-based line (byte offset for binary files), 0 = none
  std::string message;   // what was expected and what was found
  bool lineIsOffset = false;

  // The message as printed: "file:line: message" (or "file: byte N: message").
  [[nodiscard]] std::string describe() const;
};

template <typename T>
class [[nodiscard]] Result {
public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  [[nodiscard]] bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { assert(ok() && "value() of a failed result"); return std::get<0>(state_); }
  T&& value() && { assert(ok() && "value() of a failed result"); return std::get<0>(std::move(state_)); }
  const T& value() const& { assert(ok() && "value() of a failed result"); return std::get<0>(state_); }
  const Failure& failure() const { assert(!ok() && "failure() of a good result"); return std::get<1>(state_); }

private:
  std::variant<T, Failure> state_;
};

// Result of an operation that yields nothing but may fail.
struct Done {};
using Status = Result<Done>;

}  // namespace zek
