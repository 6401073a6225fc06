// The duplicate check of the device names: names that are prefixes or
// extensions of each other are different devices; only equal names
// (without case) are reported.
#include <gtest/gtest.h>

#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"

namespace {

using namespace shape_test;

TEST(DeviceNamePrefixTest, APrefixOfAnotherNameIsNoDuplicate) {
  ShapeWorld world;
  C_BaseShape::DeleteDeviceNameList();
  {
    TestShape a("Silo1"), b("Silo10"), c("Silo"), d("RotaryFilter1"), e("RotaryFilter");
    EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
    EXPECT_EQ(world.Boxes().Count(), 0u);
    TestShape f("silo10");
    EXPECT_FALSE(C_BaseShape::CheckDuplicatedDeviceNames());
    ASSERT_EQ(world.Boxes().Count(), 1u);
    EXPECT_EQ(world.Boxes().Last().text, "Found duplicated Device Name!\r\nDevice Name: Silo10");
  }
  C_BaseShape::DeleteDeviceNameList();
}

}  // namespace
