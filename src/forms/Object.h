#pragma once
// The root of the framework's class tree and its event type.

#include <functional>

namespace pw {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event slot: a handler taking the control that raised the event. Empty slots are skipped.
using TNotifyEvent = std::function<void(TObject* sender)>;

// An event bound to a method of an object, as event properties are bound to a window's handlers.
template <class T>
TNotifyEvent MethodEvent(T* object, void (T::*method)(TObject*)) {
  return [object, method](TObject* sender) { (object->*method)(sender); };
}

inline void Raise(const TNotifyEvent& event, TObject* sender) {
  if (event) event(sender);
}

}  // namespace pw
