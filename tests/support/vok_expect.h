// Expectations shared by the toolkit and program tests: text that must hold
// (or must not hold) some parts, reported with the whole text, and
// rectangles compared and printed as values.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>

#include "platform/gfx/gfx.h"

namespace vtest {
// Success when every part occurs in `text`; the failure names the parts missing.
inline ::testing::AssertionResult hasAll(const std::string& text, std::initializer_list<std::string> parts) {
  std::string missing;
  for (const std::string& p : parts)
    if (text.find(p) == std::string::npos) missing += "\n  missing: [" + p + "]";
  if (missing.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << missing << "\nin:\n" << text;
}
// Success when no part occurs in `text`.
inline ::testing::AssertionResult hasNone(const std::string& text, std::initializer_list<std::string> parts) {
  std::string found;
  for (const std::string& p : parts)
    if (text.find(p) != std::string::npos) found += "\n  unexpected: [" + p + "]";
  if (found.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << found << "\nin:\n" << text;
}

// What `call` writes to standard output (the console's headless echo included).
template <class Call>
std::string stdoutOf(Call call) {
  ::testing::internal::CaptureStdout();
  call();
  return ::testing::internal::GetCapturedStdout();
}
}  // namespace vtest

inline bool operator==(const Rect& a, const Rect& b) {
  return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(t " << r.top << ", l " << r.left << ", b " << r.bottom << ", r " << r.right << ")";
}
