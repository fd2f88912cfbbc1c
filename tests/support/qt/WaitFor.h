#pragma once
// Waiting for asynchronous outcomes in a GoogleTest: runs the event loop
// (deferred deletes included) until the condition holds or the time is up.
// Qt's QTRY_*, QCOMPARE and QVERIFY report to QtTest's own log and would let
// a GoogleTest pass, so they are disabled for these tests (NoQtTestMacros.h).

#include <QTest>
#include <functional>

#include <gtest/gtest.h>

namespace kx7q::test {

inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 15000) {
  return QTest::qWaitFor(condition, milliseconds);
}

// Runs the event loop for a while (for "nothing more happens" checks).
inline void Spin(int milliseconds) { QTest::qWait(milliseconds); }

}  // namespace kx7q::test

// EXPECT_EQ / EXPECT_TRUE once the value has had up to five seconds to arrive.
#define EXPECT_EVENTUALLY_EQ(actual, expected)                                          \
  do {                                                                                  \
    ::kx7q::test::WaitFor([&] { return (actual) == (expected); }, 5000);                \
    EXPECT_EQ(actual, expected);                                                        \
  } while (0)
#define EXPECT_EVENTUALLY(condition)                                                    \
  do {                                                                                  \
    ::kx7q::test::WaitFor([&] { return static_cast<bool>(condition); }, 5000);          \
    EXPECT_TRUE(condition);                                                             \
  } while (0)
