// The thread's message queue: posted messages, input, synthesized paint and timer messages, the
// quit message, and their retrieval, translation and dispatch.

#include <algorithm>

#include "platform/win/WindowObjects.h"

namespace pw::win {

namespace {

bool InRange(unsigned message, unsigned low, unsigned high) {
  return (low == 0 && high == 0) || (message >= low && message <= high);
}

bool ForWindow(HWND target, HWND filter) {
  return !filter || target == filter || IsChild(filter, target);
}

// Takes the first matching message of a queue, dropping those whose window has gone.
bool TakeFrom(std::deque<MSG>& queue, MSG& msg, HWND window, unsigned low, unsigned high,
              bool remove) {
  for (auto it = queue.begin(); it != queue.end();) {
    if (it->window && !Live(it->window)) {
      it = queue.erase(it);
      continue;
    }
    if (ForWindow(it->window, window) && InRange(it->message, low, high)) {
      msg = *it;
      if (remove) queue.erase(it);
      return true;
    }
    ++it;
  }
  return false;
}

bool TakeInput(MSG& msg, HWND window, unsigned low, unsigned high, bool remove) {
  auto& s = State();
  auto& queue = s.input;
  for (auto it = queue.begin(); it != queue.end();) {
    if (!it->msg.window || !Live(it->msg.window)) {
      // Key changes nobody receives still count once reached.
      if (it == queue.begin()) s.syncKeys = it->keys;
      it = queue.erase(it);
      continue;
    }
    if (ForWindow(it->msg.window, window) && InRange(it->msg.message, low, high)) {
      msg = it->msg;
      if (remove) {
        s.syncKeys = it->keys;
        queue.erase(it);
      }
      return true;
    }
    ++it;
  }
  return false;
}

Timer* DueTimer(HWND window, std::uint32_t now) {
  Timer* best = nullptr;
  for (Timer& t : State().timers) {
    if (static_cast<std::int32_t>(now - t.due) < 0 || !ForWindow(t.window, window)) continue;
    if (!best || static_cast<std::int32_t>(t.due - best->due) < 0) best = &t;
  }
  return best;
}

bool AnythingPending() {
  auto& s = State();
  return !s.posted.empty() || !s.input.empty() || s.quit || FindPaintWindow(nullptr) ||
         DueTimer(nullptr, s.backend->Now());
}

}  // namespace

bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (window && !Live(window)) return false;
  State().posted.push_back(MakeMessage(window, message, wParam, lParam));
  return true;
}

void PostQuitMessage(int exitCode) {
  auto& s = State();
  s.quit = true;
  s.quitCode = exitCode;
}

bool PeekMessage(MSG& msg, HWND window, unsigned filterMin, unsigned filterMax, unsigned remove) {
  auto& s = State();
  if (s.sendDepth == 0) FreeDestroyedWindows();
  const bool removing = (remove & PM_REMOVE) != 0;
  if (TakeFrom(s.posted, msg, window, filterMin, filterMax, removing)) return true;
  if (TakeInput(msg, window, filterMin, filterMax, removing)) return true;
  if (s.quit && !window && InRange(WM_QUIT, filterMin, filterMax)) {
    msg = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
    if (removing) s.quit = false;
    return true;
  }
  if (InRange(WM_PAINT, filterMin, filterMax)) {
    if (HWND paint = FindPaintWindow(window)) {
      msg = MakeMessage(paint, WM_PAINT, 0, 0);
      return true;
    }
  }
  if (InRange(WM_TIMER, filterMin, filterMax)) {
    const std::uint32_t now = s.backend->Now();
    if (Timer* timer = DueTimer(window, now)) {
      msg = MakeMessage(timer->window, WM_TIMER, timer->id, 0);
      if (removing) timer->due = now + timer->elapse;
      return true;
    }
  }
  FlushPresents();
  return false;
}

bool GetMessage(MSG& msg, HWND window, unsigned filterMin, unsigned filterMax) {
  while (!PeekMessage(msg, window, filterMin, filterMax, PM_REMOVE)) WaitMessage();
  return msg.message != WM_QUIT;
}

void WaitMessage() {
  auto& s = State();
  if (AnythingPending()) return;
  FlushPresents();
  std::optional<std::uint32_t> timeout;
  const std::uint32_t now = s.backend->Now();
  for (const Timer& t : s.timers) {
    const auto left = static_cast<std::int32_t>(t.due - now);
    const std::uint32_t wait = left > 0 ? static_cast<std::uint32_t>(left) : 0;
    timeout = timeout ? std::min(*timeout, wait) : wait;
  }
  s.backend->PumpEvents(timeout);
}

bool TranslateMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: {
      // The character comes next, before anything else queued.
      MSG character = MakeMessage(msg.window, WM_CHAR, msg.wParam, msg.lParam);
      State().posted.push_front(character);
      return true;
    }
    default:
      return false;
  }
}

LRESULT DispatchMessage(const MSG& msg) {
  if (!Live(msg.window)) return 0;
  return SendMessage(msg.window, msg.message, msg.wParam, msg.lParam);
}

std::uintptr_t SetTimer(HWND window, std::uintptr_t id, unsigned elapseMs) {
  auto& s = State();
  if (window && !Live(window)) return 0;
  if (!window && id == 0) id = s.nextTimerId++;
  const unsigned elapse = std::max(elapseMs, 1u);
  const std::uint32_t due = s.backend->Now() + elapse;
  for (Timer& t : s.timers)
    if (t.window == window && t.id == id) {
      t.elapse = elapse;
      t.due = due;
      return id == 0 ? 1 : id;
    }
  s.timers.push_back({window, id, elapse, due});
  return id == 0 ? 1 : id;
}

bool KillTimer(HWND window, std::uintptr_t id) {
  auto& timers = State().timers;
  const auto before = timers.size();
  std::erase_if(timers, [&](const Timer& t) { return t.window == window && t.id == id; });
  return timers.size() != before;
}

std::uint32_t GetTickCount() {
  return State().backend->Now();
}

}  // namespace pw::win
