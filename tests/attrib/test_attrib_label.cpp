// The text and colour of an attribute's value on a label.
#include <gtest/gtest.h>

#include "PlantFixture.h"
#include "controls/LumLabel.h"
#include "attrib/AttribLabel.h"

using namespace plant_test;

TEST(AttribLabel, OnlyASingleFloatConversionIsUsedAsFormat) {
  const std::pair<const char*, bool> cases[] = {
      {"%0.1f", true},      {"%g Kg/h", true},   {"%-8.3e", true},   {"100%% %f", true},
      {"%s", false},        {"%d", false},       {"%f %f", false},   {"no value", false},
      {"%", false},         {"%0.1", false},     {"%n", false},      {"%.2f%%", true}};
  for (const auto& [format, ok] : cases) EXPECT_EQ(IsSingleFloatFormat(format), ok) << format;
}

TEST(AttribLabel, TextFollowsTheValueAndColourTheBinding) {
  TagWorld world;
  TestPack pack({{"Speed", VT_R4, {}, AR_NONE}, {"Count", VT_I4, {}, AR_NONE}});
  pack.Declare();
  Set(pack.Attrib("Speed"), VariantFromFloat(12.345f));
  Set(pack.Attrib("Count"), VariantFromInt(7));

  AttribLabelLook look = MakeAttribLabelLook("%0.1f", &pack, 0);
  EXPECT_EQ(look.text, "12.3");
  EXPECT_EQ(look.textColor, RGB(165, 64, 64));
  EXPECT_EQ(MakeAttribLabelLook("%0.0f Kg", &pack, 1).text, "7 Kg");
  EXPECT_EQ(MakeAttribLabelLook("%s", &pack, 1).text, "7");  // unsafe format refused

  pack.Attrib("Speed")->SetTagName("RealOut");
  look = MakeAttribLabelLook("%0.2f", &pack, 0);
  EXPECT_EQ(look.text, "12.35");
  EXPECT_EQ(look.textColor, RGB(255, 255, 0));

  EXPECT_EQ(MakeAttribLabelLook("%f", &pack, 2).text, "?");
  EXPECT_EQ(MakeAttribLabelLook("%f", nullptr, 0).text, "?");
}

TEST(AttribLabel, ShowAttribValueOnLabelSetsTextAndColour) {
  TagWorld world;
  PackInWindow w({{"Speed", VT_R4, {}, AR_NONE}});
  Set(w.pack.Attrib("Speed"), VariantFromFloat(3.5f));
  CLumLabel label;
  ASSERT_TRUE(label.Create("", WS_CHILD, CRect(0, 0, 80, 20), &w.parent, 1134));
  ShowAttribValueOnLabel(&label, "%0.1f bar", &w.pack, 0);
  EXPECT_EQ(label.GetWindowText(), "3.5 bar");
  EXPECT_EQ(label.GetTextColor(), RGB(165, 64, 64));
  w.pack.Attrib("Speed")->SetTagName("RealOut");
  ShowAttribValueOnLabel(&label, "%0.1f bar", &w.pack, 0);
  EXPECT_EQ(label.GetTextColor(), RGB(255, 255, 0));
  ShowAttribValueOnLabel(nullptr, "%f", &w.pack, 0);
}
