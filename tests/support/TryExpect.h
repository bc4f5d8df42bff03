// Waiting in window tests: for a condition, with a timeout, never for a fixed time. Qt's
// QTRY_* macros report to Qt's test logger, which gtest does not read; these report to gtest.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

namespace kestrava::test {

// Long enough for a loaded machine; a condition that holds ends the wait at once.
constexpr int kTryTimeoutMs = 5000;

}  // namespace kestrava::test

// Processes events until condition holds or the time is up, then fails the test if it does not.
#define TRY_EXPECT(condition)                                                                      \
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, ::kestrava::test::kTryTimeoutMs)) \
        << "never true: " #condition

// As TRY_EXPECT, but ends the test on failure.
#define TRY_ASSERT(condition)                                                                      \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, ::kestrava::test::kTryTimeoutMs)) \
        << "never true: " #condition
