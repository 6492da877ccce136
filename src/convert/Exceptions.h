#pragma once
// The framework's exception classes. Every failure is an object of one of these, carrying a
// narrow message text.

#include <exception>
#include <string>

namespace pw {

class Exception : public std::exception {
 public:
  // Notes the code that raises it (the caller of this constructor).
  explicit Exception(std::string message);
  const std::string& Message() const { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }
  // Where in the code the exception was raised.
  const void* Address() const { return address_; }

 private:
  std::string message_;
  const void* address_;
};

// The class name of an exception object, without namespace ("EConvertError").
std::string ExceptionClassName(const std::exception& error);

// Silent exception: ends a handler without any report.
class EAbort : public Exception {
 public:
  using Exception::Exception;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Faults of the floating-point unit.
class EExternal : public Exception {
 public:
  using Exception::Exception;
};
class EMathError : public EExternal {
 public:
  using EExternal::EExternal;
};
class EInvalidOp : public EMathError {
 public:
  using EMathError::EMathError;
};
class EZeroDivide : public EMathError {
 public:
  using EMathError::EMathError;
};
class EOverflow : public EMathError {
 public:
  using EMathError::EMathError;
};

// An operation the object's state does not allow (focusing a hidden control, showing a visible
// window modally).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// The windowing system refused an object (a window, a list line).
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pw
