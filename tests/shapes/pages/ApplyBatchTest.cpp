// A page's Apply that saves many settings keys replaces the settings file
// once.
#include <gtest/gtest.h>

#include "shapes/SpryDryr.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/pages/SpryDryrHammerPropPage.h"
#include "support/FileReplaceCount.h"

namespace {

using namespace shape_test;

TEST(ApplyBatchTest, TheHammerPagesEighteenKeysReplaceTheFileOnce) {
  C_BaseShapePropSheet::SetRememberedPage(0);
  ShapeWorld world("[SprayDryer.SpryDryr1]\nReserveInt1.Data=0\n");
  C_SpryDryr tower(ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5);
  ASSERT_TRUE(world.Create(tower));
  Logins logins;
  logins.Answer(logins.User(CVekAccessUser::eGroupShift));
  testing_support::FileReplaceCount replacements;
  EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
    auto* page = ShowPage<C_SpryDryrHammerPropPage>(sheet);
    ASSERT_NE(page, nullptr);
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(*page, 4047, "160"));
    for (UINT n = 0; n < 8; ++n) {
      ASSERT_TRUE(TypeInto(*page, 4056 + n, std::to_string(n + 1)));
      ASSERT_TRUE(TypeInto(*page, 4064 + n, std::to_string(n + 11)));
    }
    ASSERT_TRUE(ClickOn(*page, 4001));  // Apply
  }));
  EXPECT_EQ(replacements.Count(), 1);
  EXPECT_EQ(world.Setting("SprayDryer.SpryDryr1", "VI_iHammerCyclePeriod.Data"), "160");
  EXPECT_EQ(world.Setting("SprayDryer.SpryDryr1", "VI_iOnStateTimeHammer8.Data"), "18");
}

}  // namespace
