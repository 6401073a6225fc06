// The graphic page: the unique id, trying, saving and cancelling colours.
#include <gtest/gtest.h>

#include "controls/ColorButton.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/GraphicPropPage.h"

namespace {

using namespace shape_test;

// The shape's section exists (else creating it reports its absence).
const char* const kSettings = "[RtryMxr.Mixer1]\nSpeed.Data=0\n";

constexpr UINT kBackground = 4006;
constexpr UINT kSave = 4018;
constexpr UINT kCancel = 4003;
constexpr COLORREF kOldBg = 0x112233;  // the test shape's own ColorBG

// The colour dialog answers with a colour (or is cancelled).
class ChosenColor {
 public:
  explicit ChosenColor(COLORREF color, bool confirm = true) {
    m_previous = CColorButton::SetColorChooser([color, confirm](COLORREF& c, CWnd*) {
      if (confirm) c = color;
      return confirm;
    });
  }
  ~ChosenColor() { CColorButton::SetColorChooser(m_previous); }

 private:
  CColorButton::ColorChooser m_previous;
};

class GraphicPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    C_BaseShapePropSheet::SetRememberedPage(0);
    ASSERT_TRUE(world.Create(shape));
  }
  void OnPage(C_BaseShape& shape, const std::function<void(CGraphicPropPage&)>& body) {
    EXPECT_TRUE(InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<CGraphicPropPage>(sheet);
      ASSERT_NE(page, nullptr);
      body(*page);
    }));
  }
  static COLORREF Swatch(CGraphicPropPage& page, UINT id) {
    return dynamic_cast<CColorButton*>(page.GetDlgItem(static_cast<int>(id)))->GetColor();
  }
  ShapeWorld world{kSettings};
  TestShape shape{"Mixer1"};
};

TEST_F(GraphicPageTest, ShowsTheColoursAndTheUniqueId) {
  OnPage(shape, [&](CGraphicPropPage& page) {
    EXPECT_EQ(TextOf(page, 4044), "0x01080000");
    EXPECT_EQ(Swatch(page, kBackground), kOldBg);
    EXPECT_EQ(Swatch(page, 4008), 0x445566u);
    EXPECT_EQ(Swatch(page, 4007), 0x778899u);
    EXPECT_FALSE(IsEnabled(page, kSave));
    EXPECT_FALSE(IsEnabled(page, kCancel));
  });
}

TEST_F(GraphicPageTest, ATriedColourIsUndoneWhenTheSheetClosesWithoutSaving) {
  const std::string settings = world.SettingsText();
  OnPage(shape, [&](CGraphicPropPage& page) {
    {
      ChosenColor cancelled(0x0000FF, false);
      ASSERT_TRUE(ClickOn(page, kBackground));
      EXPECT_FALSE(IsEnabled(page, kSave)) << "a cancelled colour dialog changes nothing";
    }
    ChosenColor red(0x0000FF);
    ASSERT_TRUE(ClickOn(page, kBackground));
    EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), 0x0000FF) << "the mimic shows it at once";
    EXPECT_TRUE(IsEnabled(page, kSave));
    EXPECT_TRUE(IsEnabled(page, kCancel));
  });
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), static_cast<int>(kOldBg));
  EXPECT_EQ(world.SettingsText(), settings);
}

TEST_F(GraphicPageTest, CancelGoesBackToTheSavedColours) {
  OnPage(shape, [&](CGraphicPropPage& page) {
    ChosenColor red(0x0000FF);
    ASSERT_TRUE(ClickOn(page, kBackground));
    ASSERT_TRUE(ClickOn(page, kCancel));
    EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), static_cast<int>(kOldBg));
    EXPECT_EQ(Swatch(page, kBackground), kOldBg);
    EXPECT_FALSE(IsEnabled(page, kSave));
    EXPECT_FALSE(IsEnabled(page, kCancel));
  });
}

TEST_F(GraphicPageTest, SaveColorsKeepsThemInTheShapeAndTheSettingsFile) {
  OnPage(shape, [&](CGraphicPropPage& page) {
    ChosenColor red(0x0000FF);
    ASSERT_TRUE(ClickOn(page, kBackground));
    ASSERT_TRUE(ClickOn(page, kSave));
    EXPECT_FALSE(IsEnabled(page, kSave));
  });
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), 0x0000FF);
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBgOld), 0x0000FF);
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "ColorBG.Data"), "255");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "ColorFG.Data"), "<absent>") << "an unchanged default is not written";
}

TEST_F(GraphicPageTest, SaveColorsAndCancelArePlainPushButtonsThatAskForNoColour) {
  int asked = 0;
  const CColorButton::ColorChooser previous = CColorButton::SetColorChooser([&](COLORREF& c, CWnd*) {
    ++asked;
    c = 0x0000FF;
    return true;
  });
  OnPage(shape, [&](CGraphicPropPage& page) {
    for (UINT id : {kSave, kCancel}) {
      CWnd* button = page.GetDlgItem(static_cast<int>(id));
      ASSERT_NE(button, nullptr) << id;
      EXPECT_EQ(dynamic_cast<CColorButton*>(button), nullptr) << id << " carries no colour";
      EXPECT_EQ(button->GetStyle() & 0xF, BS_PUSHBUTTON) << id;
    }
    EXPECT_EQ(TextOf(page, kSave), "Save Colors");
    EXPECT_EQ(TextOf(page, kCancel), "Cancel");
    ASSERT_TRUE(ClickOn(page, kBackground));
    ASSERT_EQ(asked, 1);
    ASSERT_TRUE(ClickOn(page, kCancel));
    ASSERT_TRUE(ClickOn(page, kBackground));
    ASSERT_TRUE(ClickOn(page, kSave));
    EXPECT_EQ(asked, 2) << "only the colour buttons ask for a colour";
  });
  CColorButton::SetColorChooser(previous);
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), 0x0000FF);
}

}  // namespace
