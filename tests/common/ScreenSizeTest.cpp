#include <gtest/gtest.h>

#include "common/ScreenSize.h"
#include "support/FakeScreen.h"

namespace {

TEST(ScreenSize, Modes) {
    FakeScreen screen({800, 600});
    EXPECT_EQ(GetScreenSize(screen, 0), QStringLiteral("800×600"));
    EXPECT_EQ(GetScreenSize(screen, 1), QStringLiteral("800"));
    EXPECT_EQ(GetScreenSize(screen, 2), QStringLiteral("600"));
    EXPECT_EQ(GetScreenSize(screen, 3), QString());
    EXPECT_EQ(GetScreenSize(screen, 255), QString());
}

}  // namespace
