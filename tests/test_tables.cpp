#include <gtest/gtest.h>
#include "reference/valautorise.h"
TEST(Tables, Placeholder) { EXPECT_EQ(LenTP, 245); }
