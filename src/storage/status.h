#pragma once
// Errors are values: every storage call that can fail returns a Status or a Result<T>
// whose message names the file (and the record or field) the failure concerns.

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace movarel::storage {

class [[nodiscard]] Status {
 public:
  enum class Code {
    kOk,
    kNotFound,         // a file or field that does not exist
    kCorrupt,          // a file whose bytes disagree with its format
    kLocked,           // another program holds the file or the lock (the network-error case)
    kIoError,          // the operating system refused a read, write, rename ...
    kInvalidArgument,  // the caller asked for something impossible (unknown field, bad expression)
    kNotSupported,     // a valid file using a feature this layer does not implement
  };

  Status() = default;
  static Status Ok() { return Status(); }
  static Status NotFound(std::string msg) { return Status(Code::kNotFound, std::move(msg)); }
  static Status Corrupt(std::string msg) { return Status(Code::kCorrupt, std::move(msg)); }
  static Status Locked(std::string msg) { return Status(Code::kLocked, std::move(msg)); }
  static Status IoError(std::string msg) { return Status(Code::kIoError, std::move(msg)); }
  static Status InvalidArgument(std::string msg) { return Status(Code::kInvalidArgument, std::move(msg)); }
  static Status NotSupported(std::string msg) { return Status(Code::kNotSupported, std::move(msg)); }

  bool ok() const { return code_ == Code::kOk; }
  Code code() const { return code_; }
  const std::string& message() const { return message_; }

  // Prefixes context ("abriendo cuOP.dbf: ") the way each layer adds its own once.
  Status WithContext(const std::string& context) const {
    if (ok()) return *this;
    return Status(code_, context + ": " + message_);
  }

 private:
  Status(Code code, std::string msg) : code_(code), message_(std::move(msg)) {}
  Code code_ = Code::kOk;
  std::string message_;
};

// A value or the Status that explains why there is none.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose, like a return value
  Result(Status status) : status_(std::move(status)) { assert(!status_.ok()); }  // NOLINT

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }
  T& value() & { assert(ok()); return *value_; }
  const T& value() const& { assert(ok()); return *value_; }
  T&& value() && { assert(ok()); return std::move(*value_); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() { return value(); }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace movarel::storage
