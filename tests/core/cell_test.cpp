#include <gtest/gtest.h>
#include "app/modOrvane.h"
#include "ui/NullPlatform.h"
TEST(Smoke, BoardBuilds) { ui::NullPlatform p; modOrvane::Main(p); ASSERT_NE(modOrvane::board(), nullptr); modOrvane::board()->cmdFix_Click(); modOrvane::releaseBoard(); }
