#include <gtest/gtest.h>
#include "CUBECtl.h"
TEST(Placeholder, NewCube) { CCUBECtrl c; EXPECT_EQ(c.WichFace(2), 2); }
