// The general page: auto refresh, Apply and its order, validation, the
// actuator type outside the list, and the show/hide gesture.
#include <gtest/gtest.h>

#include "core/VekUtils.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DC.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/BaseGeneralPropPage.h"

namespace {

using namespace shape_test;

// The shape's section exists (else creating it reports its absence).
const char* const kSettings = "[RtryMxr.Mixer1]\nSpeed.Data=0\n";

constexpr UINT kApply = 4001;
constexpr UINT kLoadInWay = 4051;
constexpr UINT kPercent = 4076;
constexpr UINT kType = 4040;
constexpr UINT kNoTaring = 4026;

class GeneralPageTest : public ::testing::Test {
 protected:
  void SetUp() override { C_BaseShapePropSheet::SetRememberedPage(0); }
  // Runs body on the general page of the shape's sheet.
  void OnPage(C_BaseShape& shape, const std::function<void(C_BaseShapePropSheet&, CBaseGeneralPropPage&)>& body) {
    const bool opened = InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<CBaseGeneralPropPage>(sheet);
      ASSERT_NE(page, nullptr);
      body(sheet, *page);
    });
    EXPECT_TRUE(opened);
  }
  static CComboBox& Combo(CBaseGeneralPropPage& page) { return *dynamic_cast<CComboBox*>(page.GetDlgItem(kType)); }
};

TEST_F(GeneralPageTest, WithAutoRefreshTheValuesFollowTheShapeAndCannotBeEdited) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet&, CBaseGeneralPropPage& page) {
    EXPECT_EQ(TextOf(page, kLoadInWay), "0.5");
    EXPECT_EQ(Combo(page).GetCurSel(), 1);
    EXPECT_EQ(Combo(page).GetLBText(1), "High Speed");
    EXPECT_FALSE(IsEnabled(page, kApply)) << "Apply starts disabled";
    for (UINT id : {kLoadInWay, kPercent, kType, kNoTaring}) EXPECT_FALSE(IsEnabled(page, id)) << id;
    EXPECT_FALSE(TypeInto(page, kLoadInWay, "0.9"));
    shape.SetAttribFloat(BA_LoadInWay, 0.75f);
    shape.SetAttribInt(BA_ActuatorControlType, 3);
    shape.SetAttribBool(BA_NoTaring, true);
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_EQ(TextOf(page, kLoadInWay), "0.75");
    EXPECT_EQ(Combo(page).GetCurSel(), 3);
    EXPECT_EQ(dynamic_cast<CButton*>(page.GetDlgItem(kNoTaring))->GetCheck(), BST_CHECKED);
    EXPECT_FALSE(IsEnabled(page, kApply)) << "following the shape is no change of the user's";
  });
}

TEST_F(GeneralPageTest, WithoutAutoRefreshTheTickLeavesEditsAloneAndApplyStoresThemInOrder) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet& sheet, CBaseGeneralPropPage& page) {
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(page, kLoadInWay, "0.9"));
    EXPECT_TRUE(IsEnabled(page, kApply));
    ASSERT_TRUE(TypeInto(page, kPercent, "40"));
    Combo(page).SelectAsUser(3);
    ASSERT_TRUE(ClickOn(page, kNoTaring));
    shape.SetAttribFloat(BA_LoadInWay, 0.3f);
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_EQ(TextOf(page, kLoadInWay), "0.9") << "the tick never overwrites an edit";
    world.Deliver();
    world.Mimic().Clear();
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_FALSE(IsEnabled(page, kApply));
  });
  world.Deliver();
  EXPECT_EQ(ChangedValueIds(world.Mimic()),
            (std::vector<int>{BA_LoadInWay, BA_PercentOfHighLowSpeed, BA_ActuatorControlType, BA_NoTaring}));
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(BA_LoadInWay), 0.9f);
  EXPECT_EQ(shape.GetAttribInt(BA_PercentOfHighLowSpeed), 40);
  EXPECT_EQ(shape.GetAttribInt(BA_ActuatorControlType), 3);
  EXPECT_TRUE(shape.GetAttribBool(BA_NoTaring));
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "LoadInWay.Data"), "0.9");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "PercentOfHighLowSpeed.Data"), "40");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "ActuatorControlType.Data"), "3");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "NoTaring.Data"), "1");
}

TEST_F(GeneralPageTest, AnOutOfRangePercentageStopsApplyWithTheStandardMessage) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet& sheet, CBaseGeneralPropPage& page) {
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(page, kLoadInWay, "0.8"));
    ASSERT_TRUE(TypeInto(page, kPercent, "91"));
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_TRUE(IsEnabled(page, kApply));
    ASSERT_TRUE(TypeInto(page, kPercent, "x"));
    ASSERT_TRUE(ClickOn(page, kApply));
  });
  ASSERT_EQ(world.Boxes().Count(), 2u);
  EXPECT_EQ(world.Boxes().Shown()[0].text, "Please enter an integer between 0 and 90.");
  EXPECT_EQ(world.Boxes().Shown()[1].text, "Please enter an integer.");
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(BA_LoadInWay), 0.5f) << "nothing is stored";
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "LoadInWay.Data"), "<absent>");
}

TEST_F(GeneralPageTest, ARefusedApplyKeepsEveryEditThroughTheNextTicks) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet& sheet, CBaseGeneralPropPage& page) {
    SetAutoRefresh(sheet, false);
    Combo(page).SelectAsUser(2);
    ASSERT_TRUE(ClickOn(page, kNoTaring));
    ASSERT_TRUE(TypeInto(page, kLoadInWay, "0.8"));
    ASSERT_TRUE(TypeInto(page, kPercent, "95"));
    ASSERT_TRUE(ClickOn(page, kApply));  // refused: the percentage is out of range
    ASSERT_EQ(world.Boxes().Count(), 1u);
    for (int tick = 0; tick < 2; ++tick) {
      Tick(page, TIMER_PROP_PAGE);
      EXPECT_EQ(Combo(page).GetCurSel(), 2) << "the chosen actuator type stays, tick " << tick;
      EXPECT_EQ(dynamic_cast<CButton*>(page.GetDlgItem(kNoTaring))->GetCheck(), BST_CHECKED) << tick;
      EXPECT_EQ(TextOf(page, kLoadInWay), "0.8") << tick;
      EXPECT_EQ(TextOf(page, kPercent), "95") << tick;
    }
    ASSERT_TRUE(TypeInto(page, kPercent, "20"));
    ASSERT_TRUE(ClickOn(page, kApply));
    // Turning auto refresh on gives the edits up for the live values.
    shape.SetAttribInt(BA_ActuatorControlType, 0);
    SetAutoRefresh(sheet, true);
    EXPECT_EQ(Combo(page).GetCurSel(), 0);
  });
  EXPECT_EQ(shape.GetAttribInt(BA_PercentOfHighLowSpeed), 20);
  EXPECT_TRUE(shape.GetAttribBool(BA_NoTaring));
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "ActuatorControlType.Data"), "2") << "the edit kept reached the file";
}

TEST_F(GeneralPageTest, AnActuatorTypeOutsideTheListIsNeverStoredAsMinusOne) {
  ShapeWorld world("[RtryMxr.Mixer1]\nActuatorControlType.Data=7\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  ASSERT_EQ(shape.GetAttribInt(BA_ActuatorControlType), 7);
  OnPage(shape, [&](C_BaseShapePropSheet& sheet, CBaseGeneralPropPage& page) {
    EXPECT_EQ(Combo(page).GetCurSel(), -1);
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(page, kLoadInWay, "0.6"));
    ASSERT_TRUE(ClickOn(page, kApply));
  });
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(BA_LoadInWay), 0.6f);
  EXPECT_EQ(shape.GetAttribInt(BA_ActuatorControlType), 7);
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "ActuatorControlType.Data"), "7");
}

TEST_F(GeneralPageTest, TheFocusedEditIsLightGreenTheOthersLightYellow) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet& sheet, CBaseGeneralPropPage& page) {
    SetAutoRefresh(sheet, false);
    const auto background = [&](UINT id) {
      CDC dc;
      auto brush = reinterpret_cast<HBRUSH>(page.SendMessage(
          WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(page.GetDlgItem(id)->GetSafeHwnd())));
      EXPECT_EQ(dc.GetBkColor(), brush ? brush->GetColor() : CLR_INVALID);
      return brush ? brush->GetColor() : CLR_INVALID;
    };
    page.GetDlgItem(kLoadInWay)->SetFocus();
    EXPECT_EQ(background(kLoadInWay), RGB(151, 255, 151));
    EXPECT_EQ(background(kPercent), RGB(255, 255, 157));
  });
}

TEST_F(GeneralPageTest, TheShowHideGestureAsksAboutTheAttributeUnderTheCursor) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  OnPage(shape, [&](C_BaseShapePropSheet&, CBaseGeneralPropPage& page) {
    const CPoint onEdit = GetWindowRectInParent(page.GetDlgItem(kLoadInWay)).CenterPoint();
    const LPARAM where = MAKELPARAM(onEdit.x, onEdit.y);
    page.SendMessage(WM_LBUTTONDBLCLK, 0, where);
    EXPECT_EQ(world.Boxes().Count(), 0u) << "a plain double click";

    world.Keys().Hold(VK_CONTROL);
    world.Keys().Hold(VK_SHIFT);
    world.Boxes().QueueAnswer(IDNO);
    page.SendMessage(WM_LBUTTONDBLCLK, 0, where);
    ASSERT_EQ(world.Boxes().Count(), 1u);
    EXPECT_EQ(world.Boxes().Last().text, "The [LoadInWay] attrib is [visible].\nDo you want to hide it?");
    EXPECT_EQ(world.Boxes().Last().flags, MB_YESNOCANCEL | MB_SYSTEMMODAL);
    EXPECT_TRUE(IsShown(page, kLoadInWay)) << "No changes nothing";
    world.Keys().Release(VK_CONTROL);
    world.Keys().Release(VK_SHIFT);

    world.Keys().Hold(VK_RBUTTON);
    world.Boxes().QueueAnswer(IDYES);
    page.SendMessage(WM_LBUTTONDBLCLK, 0, where);
    EXPECT_FALSE(IsShown(page, kLoadInWay));
    EXPECT_FALSE(IsShown(page, 4101)) << "the label goes with it";
    EXPECT_TRUE(IsShown(page, kPercent));
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_FALSE(IsShown(page, kLoadInWay)) << "the refresh re-reads the file, which has the new state";

    world.Boxes().QueueAnswer(IDYES);
    page.SendMessage(WM_LBUTTONDBLCLK, 0, where);  // a hidden control still answers
    EXPECT_EQ(world.Boxes().Last().text, "The [LoadInWay] attrib is [invisible].\nDo you want to show it?");
    EXPECT_TRUE(IsShown(page, kLoadInWay));
  });
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "LoadInWay.Visible"), "Yes");
}

}  // namespace
