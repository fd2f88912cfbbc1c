#pragma once
// Included before every window and serial test: QtTest's checking macros do not
// fail a GoogleTest, so using one is a compile error here. Use EXPECT_* and,
// for values that arrive later, EXPECT_EVENTUALLY_EQ (WaitFor.h).

#include <QTest>

#undef QTRY_COMPARE
#undef QTRY_COMPARE_WITH_TIMEOUT
#undef QTRY_VERIFY
#undef QTRY_VERIFY_WITH_TIMEOUT
#undef QTRY_VERIFY2
#undef QCOMPARE
#undef QVERIFY
#undef QVERIFY2
#define KX7Q_NO_QTEST_MACRO static_assert(false, "QtTest macros do not fail a GoogleTest: use EXPECT_* or EXPECT_EVENTUALLY_EQ")
#define QTRY_COMPARE(...) KX7Q_NO_QTEST_MACRO
#define QTRY_COMPARE_WITH_TIMEOUT(...) KX7Q_NO_QTEST_MACRO
#define QTRY_VERIFY(...) KX7Q_NO_QTEST_MACRO
#define QTRY_VERIFY_WITH_TIMEOUT(...) KX7Q_NO_QTEST_MACRO
#define QTRY_VERIFY2(...) KX7Q_NO_QTEST_MACRO
#define QCOMPARE(...) KX7Q_NO_QTEST_MACRO
#define QVERIFY(...) KX7Q_NO_QTEST_MACRO
#define QVERIFY2(...) KX7Q_NO_QTEST_MACRO
