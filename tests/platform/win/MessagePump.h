#pragma once
// Running the message loop in tests, on the headless backend, without waiting.

#include "platform/win/Backend.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/Window.h"
#include "support/TestContext.h"

namespace pw::win::testing {

// Handles what is queued (input, posted, paint) without waiting.
inline void Drain() {
  MSG msg;
  while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) break;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
}

// Delivers injected events, each followed by the messages it caused.
inline void Pump() {
  do {
    CurrentBackend().PumpEvents(0);
    Drain();
  } while (pw::testing::Headless().HasPendingEvents());
}

}  // namespace pw::win::testing
