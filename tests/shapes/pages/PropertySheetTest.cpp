// The shape's property sheet: its buttons and check box, the blinking
// shape, the remembered page, pruning of pages with nothing to show, and a
// sheet without a shape.
#include <gtest/gtest.h>

#include "core/VekUtils.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/TabCtrl.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/AnalogCalibrationPage.h"
#include "shapes/pages/BaseGeneralPropPage.h"
#include "shapes/pages/GraphicPropPage.h"

namespace {

using namespace shape_test;

// The shape's section exists (else creating it reports its absence).
const char* const kSettings = "[RtryMxr.Mixer1]\nSpeed.Data=0\n";

// A shape with five analog groups: two calibration pages.
class FiveGroups : public C_BaseShape {
 public:
  FiveGroups() : C_BaseShape(SHAPE_SETTINGS_INI_INDEX, ShapeCreateInfo(0, 10, 10, 40, 30, 0, 0, "Five"), Def()) {}
  void DrawShape(CDC*) override {}
  static const ShapeClassDef& Def() {
    static const ShapeClassDef def = [] {
      ShapeClassDef d;
      d.controlType = CT_HEAT_ZONE;
      ShapeAttribTable::Builder builder;
      builder.Float({"ReserveFloat1"});
      for (int i = 1; i <= 5; ++i) builder.Analog(AnalogSpec("Value" + std::to_string(i), "u", 100.0));
      d.attribs = builder.Build();
      return d;
    }();
    return def;
  }
};

class PropertySheetTest : public ::testing::Test {
 protected:
  void SetUp() override { C_BaseShapePropSheet::SetRememberedPage(0); }
  std::vector<std::string> Captions(C_BaseShapePropSheet& sheet) {
    std::vector<std::string> captions;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
      captions.push_back(sheet.GetPage(i) ? sheet.GetPage(i)->GetCaption() : "<no page>");
    return captions;
  }
};

TEST_F(PropertySheetTest, OpensWithAutoRefreshOnACloseButtonAndTheShapeBlinking) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  const bool opened = InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(sheet.GetShape(), &shape);
    EXPECT_TRUE(sheet.IsAutoRefresh());
    EXPECT_EQ(TextOf(sheet, 5011), "Auto &Refresh");
    EXPECT_FALSE(IsShown(sheet, IDOK));
    EXPECT_FALSE(IsShown(sheet, ID_APPLY_NOW));
    EXPECT_EQ(TextOf(sheet, IDCANCEL), "Close");
    const CRect close = GetWindowRectInParent(sheet.GetDlgItem(IDCANCEL));
    const CRect ok = GetWindowRectInParent(sheet.GetDlgItem(IDOK));
    const CRect tab = GetWindowRectInParent(sheet.GetTabControl());
    EXPECT_GT(close.left, ok.left) << "Close stands where Apply was";
    const CRect check = GetWindowRectInParent(sheet.GetDlgItem(5011));
    EXPECT_EQ(check, CRect(tab.left + 130, ok.top, tab.left + 230, ok.bottom));
    EXPECT_TRUE(shape.GetBlinkFlags().dialog);
    EXPECT_EQ(Captions(sheet), (std::vector<std::string>{"Analog Calibration", "Graphic", "General Setting"}));
  });
  EXPECT_TRUE(opened);
  EXPECT_FALSE(shape.GetBlinkFlags().dialog);
}

TEST_F(PropertySheetTest, ANewSheetOpensOnThePageActiveWhenTheLastClosed) {
  ShapeWorld world("[RtryMxr.Small]\nLoadInWay.Visible=No\nNoTaring.Visible=No\nActuatorControlType.Visible=No\n"
                   "PercentOfHighLowSpeed.Visible=No\n");
  TestShape mixer("Mixer1");
  TestShape small("Small");
  ASSERT_TRUE(world.Create(mixer));
  ASSERT_TRUE(world.Create(small));
  InPropertySheet(mixer, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    sheet.SetActivePage(2);
  });
  EXPECT_EQ(C_BaseShapePropSheet::GetRememberedPage(), 2);
  InPropertySheet(mixer, [&](C_BaseShapePropSheet& sheet) { EXPECT_EQ(sheet.GetActiveIndex(), 2); });
  // The small shape's general page has nothing to show: two pages, and the
  // remembered index falls on the last of them.
  InPropertySheet(small, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(Captions(sheet), (std::vector<std::string>{"Analog Calibration", "Graphic"}));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
  });
}

TEST_F(PropertySheetTest, PagesWithNothingVisibleAreRemoved) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Visible=No\nLoad.Visible=No\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(Captions(sheet), (std::vector<std::string>{"Graphic", "General Setting"}));
  });
  // Showing one group again brings the page back, with its row labels.
  world.WriteSettings("[RtryMxr.Mixer1]\nSpeed.Visible=No\nLoad.Visible=Yes\n");
  InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    auto* page = ShowPage<CAnalogCalibrationPage>(sheet);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(IsShown(*page, 4109));
    ASSERT_EQ(page->GetCreatedCalibratorCount(), 2);
    ASSERT_NE(page->GetCalibrator(0), nullptr);
    EXPECT_FALSE(page->GetCalibrator(0)->IsWindowVisible()) << "the invisible group's calibrator";
    ASSERT_NE(page->GetCalibrator(1), nullptr);
    EXPECT_TRUE(page->GetCalibrator(1)->IsWindowVisible());
  });
}

// A general page and a graphic page that count their deletions.
class CountedGeneralPage : public CBaseGeneralPropPage {
 public:
  explicit CountedGeneralPage(int& deleted) : m_deleted(deleted) {}
  ~CountedGeneralPage() override { ++m_deleted; }

 private:
  int& m_deleted;
};
class CountedGraphicPage : public CGraphicPropPage {
 public:
  explicit CountedGraphicPage(int& deleted) : m_deleted(deleted) {}
  ~CountedGraphicPage() override { ++m_deleted; }

 private:
  int& m_deleted;
};
// A shape that adds one of each before the base's pages.
class CountedPagesShape : public TestShape {
 public:
  CountedPagesShape() : TestShape("Mixer1") {}
  void AddPropertyPages(CPropertySheet* sheet) override {
    AddOwnedPage(sheet, std::make_unique<CountedGeneralPage>(generalDeleted));
    AddOwnedPage(sheet, std::make_unique<CountedGraphicPage>(graphicDeleted));
    C_BaseShape::AddPropertyPages(sheet);
  }
  int generalDeleted = 0;
  int graphicDeleted = 0;
};

TEST_F(PropertySheetTest, APrunedPageAndAKeptPageAreEachDeletedOnceAfterTheSheetCloses) {
  // The four general attributes hidden: every general page is pruned.
  ShapeWorld world(
      "[RtryMxr.Mixer1]\nActuatorControlType.Visible=No\nLoadInWay.Visible=No\n"
      "PercentOfHighLowSpeed.Visible=No\nNoTaring.Visible=No\n");
  CountedPagesShape shape;
  ASSERT_TRUE(world.Create(shape));
  for (int opening = 1; opening <= 2; ++opening) {
    InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      EXPECT_EQ(Captions(sheet), (std::vector<std::string>{"Graphic", "Analog Calibration", "Graphic"}));
      EXPECT_EQ(shape.generalDeleted, opening - 1) << "a pruned page lives until the sheet closes";
      EXPECT_EQ(shape.graphicDeleted, opening - 1);
    });
    EXPECT_EQ(shape.generalDeleted, opening) << "the pruned page, once";
    EXPECT_EQ(shape.graphicDeleted, opening) << "the kept page, once";
  }
}

// A remembered index equal to the sheet's page count (or past it) opens the
// last page, and closing there remembers the last page's index.
TEST_F(PropertySheetTest, ARememberedIndexAtThePageCountOpensAndKeepsTheLastPage) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  for (const int remembered : {3, 4, 2}) {
    SCOPED_TRACE(remembered);
    C_BaseShapePropSheet::SetRememberedPage(remembered);
    EXPECT_TRUE(InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      ASSERT_EQ(sheet.GetPageCount(), 3);
      EXPECT_EQ(sheet.GetActiveIndex(), 2);
      EXPECT_EQ(sheet.GetActivePage(), sheet.GetPage(2));
      ASSERT_NE(sheet.GetPage(2), nullptr);
      EXPECT_TRUE(sheet.GetPage(2)->IsWindowVisible());
    })) << "no sheet opened";
    EXPECT_EQ(C_BaseShapePropSheet::GetRememberedPage(), 2);
  }
}

TEST_F(PropertySheetTest, AStoredValueThePageRefusesNeitherLocksItNorDropsAPage) {
  C_BaseShapePropSheet::SetRememberedPage(2);  // the general page first: its percentage is out of range
  ShapeWorld world("[RtryMxr.Mixer1]\nPercentOfHighLowSpeed.Data=95\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetActiveIndex(), 2);
    EXPECT_TRUE(sheet.SetActivePage(0));
  });
  EXPECT_EQ(world.Boxes().Count(), 0u);
}

TEST_F(PropertySheetTest, ShapesWithManyGroupsGetNumberedCalibrationPages) {
  ShapeWorld world(kSettings);
  FiveGroups shape;
  ASSERT_TRUE(world.Create(shape));
  InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    ASSERT_GE(sheet.GetPageCount(), 2);
    ASSERT_NE(sheet.GetPage(0), nullptr);
    EXPECT_EQ(sheet.GetPage(0)->GetCaption(), "Analog Calibration [1]");
    ASSERT_NE(sheet.GetPage(1), nullptr);
    EXPECT_EQ(sheet.GetPage(1)->GetCaption(), "Analog Calibration [2]");
    auto* second = dynamic_cast<CAnalogCalibrationPage*>(ShowPageAt(sheet, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetCalibratorCount(), 1);
    ASSERT_NE(second->GetCalibrator(0), nullptr);
    EXPECT_EQ(second->GetCalibrator(0)->GetUnitIndex(), 4);
    EXPECT_EQ(TextOf(*second->GetCalibrator(0), 4085), "Value5");
  });
}

TEST_F(PropertySheetTest, DoubleClickCopiesTheSectionName) {
  ShapeWorld world(kSettings);
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) { sheet.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2)); });
  EXPECT_EQ(world.Clipboard().Text(), "RtryMxr.Mixer1");
}

TEST_F(PropertySheetTest, ASheetWithoutAShapeShowsItsPagesAndTouchesNothing) {
  ShapeWorld world(kSettings);
  CGraphicPropPage graphic;
  CBaseGeneralPropPage general;
  C_BaseShapePropSheet sheet("No shape", &world.Mimic());
  sheet.AddPage(&graphic);
  sheet.AddPage(&general);
  bool ran = false;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& dialog) {
    ran = true;
    EXPECT_EQ(sheet.GetShape(), nullptr);
    EXPECT_EQ(graphic.GetShape(), nullptr);
    sheet.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    Tick(graphic, TIMER_PROP_PAGE);
    dialog.EndDialog(IDCANCEL);
  });
  sheet.DoModal();
  CDialog::SetModalDriver(previous);
  EXPECT_TRUE(ran);
  EXPECT_EQ(world.Clipboard().Text(), "");
}

}  // namespace
