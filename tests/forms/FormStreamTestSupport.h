#pragma once
// Helpers of the form stream tests: byte literals, expected reader errors and the process code
// page held for one test.

#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FilerErrors.h"
#include "platform/sys/CodePage.h"
#include "support/CodePageScope.h"

namespace pw::test {

// "54 50 46 30" -> {0x54, 0x50, 0x46, 0x30}; blanks between bytes are ignored.
inline std::vector<std::uint8_t> Hex(std::string_view hex) {
  std::vector<std::uint8_t> bytes;
  auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  for (std::size_t i = 0; i < hex.size(); ++i) {
    if (hex[i] == ' ') continue;
    bytes.push_back(static_cast<std::uint8_t>(digit(hex[i]) * 16 + digit(hex[i + 1])));
    ++i;
  }
  return bytes;
}

inline std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a,
                                        const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The message of the EReadError that `action` raises; a test failure for any other outcome.
template <class Action>
std::string ReadErrorOf(Action&& action) {
  try {
    action();
  } catch (const EReadError& error) {
    return error.Message();
  } catch (const std::exception& error) {
    ADD_FAILURE() << "unexpected exception: " << error.what();
    return {};
  }
  ADD_FAILURE() << "no exception";
  return {};
}

using pw::testing::CodePageScope;

}  // namespace pw::test
