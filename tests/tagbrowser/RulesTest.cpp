// The tag browser's rules apart from its windows.
#include <gtest/gtest.h>

#include "core/DCTag.h"
#include "tagbrowser/RoveDazuviVerovRules.h"

namespace {

using rdv::Modifier;

TEST(RdvRangeTest, ARangeIsSetUnlessBothNullOrBothEqual) {
  struct Case {
    VARIANT min, max;
    bool set;
  };
  const Case cases[] = {
      {VariantNull(), VariantNull(), false},
      {VariantFromFloat(5), VariantFromFloat(5), false},
      {VariantFromInt(0), VariantFromInt(0), false},
      {VariantFromFloat(0), VariantFromFloat(100), true},
      {VariantNull(), VariantFromFloat(10), true},
      {VariantFromInt(5), VariantFromFloat(5), true},  // equal numbers of two types
  };
  for (const Case& c : cases) EXPECT_EQ(rdv::IsRangeSet(c.min, c.max), c.set) << VariantToText(c.max);
}

TEST(RdvModifierTest, SlidersOnlyForIntegersAndFloatsWithARange) {
  struct Case {
    VARTYPE type;
    bool range;
    Modifier modifier;
  };
  const Case cases[] = {
      {VT_I4, true, Modifier::Slider},    {VT_R4, true, Modifier::Slider},   {VT_I4, false, Modifier::Edit},
      {VT_R4, false, Modifier::Edit},     {VT_BOOL, false, Modifier::DropList},
      {VT_BOOL, true, Modifier::DropList}, {VT_R8, true, Modifier::Edit},    {VT_BSTR, true, Modifier::Edit},
      {VT_DATE, false, Modifier::Edit},   {VT_I2, true, Modifier::Edit},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rdv::ModifierOf(c.type, c.range), c.modifier) << c.type << " range " << c.range;
  }
}

TEST(RdvTextTest, ValueAndModifierTexts) {
  const VARIANT none = VariantNull();
  EXPECT_EQ(rdv::ValueText(VariantFromBool(true)), "True");
  EXPECT_EQ(rdv::ValueText(VariantFromFloat(2.5f)), "2.5");
  EXPECT_EQ(rdv::ModifierText(VariantFromFloat(2.5f), none, none, Modifier::Edit), "2.5");
  EXPECT_EQ(rdv::ModifierText(VariantFromBool(false), none, none, Modifier::DropList), "False");
  // On a slider: the value's place in the range, in percent.
  EXPECT_EQ(rdv::ModifierText(VariantFromFloat(75), VariantFromFloat(50), VariantFromFloat(150), Modifier::Slider),
            "25");
  EXPECT_EQ(rdv::ModifierText(VariantFromInt(3), VariantFromInt(0), VariantFromInt(8), Modifier::Slider), "37.5");
  EXPECT_EQ(rdv::NewValueText("37"), "%37");
}

TEST(RdvWriteTest, ModifierTextsBecomeValuesOfTheTagsOwnType) {
  const VARIANT none = VariantNull();
  struct Case {
    const char* text;
    VARTYPE type;
    Modifier modifier;
    VARIANT min, max;
    bool ok;
    VARIANT expected;
  };
  const Case cases[] = {
      {"12.5", VT_R4, Modifier::Edit, none, none, true, VariantFromFloat(12.5f)},
      {"42", VT_I4, Modifier::Edit, none, none, true, VariantFromInt(42)},
      {"abc", VT_I4, Modifier::Edit, none, none, false, {}},  // letters for an integer: nothing
      {"", VT_R4, Modifier::Edit, none, none, false, {}},
      {"False", VT_BOOL, Modifier::DropList, none, none, true, VariantFromBool(false)},
      {"True", VT_BOOL, Modifier::DropList, none, none, true, VariantFromBool(true)},
      {"Batch 7", VT_BSTR, Modifier::Edit, none, none, true, VariantFromString("Batch 7")},
      {"2024/05/01 10:00:00", VT_DATE, Modifier::Edit, none, none, true,
       VariantFromDate(DateFromParts(2024, 5, 1, 10))},
      {"99999999999", VT_I4, Modifier::Edit, none, none, false, {}},  // out of range
      // A slider's percentage mapped into the range, in the tag's type.
      {"25", VT_R4, Modifier::Slider, VariantFromFloat(50), VariantFromFloat(150), true, VariantFromFloat(75)},
      {"37", VT_I4, Modifier::Slider, VariantFromInt(0), VariantFromInt(200), true, VariantFromInt(74)},
      {"33", VT_I4, Modifier::Slider, VariantFromInt(0), VariantFromInt(10), true, VariantFromInt(3)},
      {"x", VT_I4, Modifier::Slider, VariantFromInt(0), VariantFromInt(10), false, {}},
  };
  for (const Case& c : cases) {
    VARIANT out = VariantFromString("untouched");
    EXPECT_EQ(rdv::ValueFromModifierText(c.text, c.type, c.modifier, c.min, c.max, &out), c.ok) << c.text;
    if (c.ok) {
      EXPECT_TRUE(VariantIdentical(out, c.expected)) << c.text << " gave " << VariantToText(out);
    } else {
      EXPECT_EQ(out.bstrVal, "untouched") << c.text;
    }
  }
}

TEST(RdvFilterTest, CaseSensitiveSubstringOfTheName) {
  EXPECT_TRUE(rdv::NameMatchesFilter("Tank1", "Tank"));
  EXPECT_TRUE(rdv::NameMatchesFilter("MyTank", "Tank"));
  EXPECT_FALSE(rdv::NameMatchesFilter("tank2", "Tank"));
  EXPECT_FALSE(rdv::NameMatchesFilter("Tank1", ""));
}

TEST(RdvGoToTest, LinesAreClampedToTheRows) {
  EXPECT_EQ(rdv::LineToRow(99999, 500), 499);
  EXPECT_EQ(rdv::LineToRow(7, 500), 7);
  EXPECT_EQ(rdv::LineToRow(-3, 500), 0);
  EXPECT_EQ(rdv::LineToRow(0, 0), -1);
  // At the edge: the row count itself, one below and one past it; one row.
  EXPECT_EQ(rdv::LineToRow(500, 500), 499);
  EXPECT_EQ(rdv::LineToRow(499, 500), 499);
  EXPECT_EQ(rdv::LineToRow(501, 500), 499);
  EXPECT_EQ(rdv::LineToRow(1, 1), 0);
  EXPECT_EQ(rdv::LineToRow(0, 1), 0);
  EXPECT_EQ(rdv::LineToRow(-1, 1), 0);
  EXPECT_EQ(rdv::LineToRow(0, -1), -1);
}

TEST(RdvInfoTest, TheTagsDescriptionThenThePlace) {
  TagDefinition def;
  def.nLineNumber = 4;
  def.strTagName = "Pump.Speed";
  def.vtDataType = VT_R4;
  CDCTag tag(nullptr, def, 3);
  const std::string text = rdv::CellInfoText(&tag, 2, 3L);
  EXPECT_EQ(text.rfind(tag.GetInfoText(), 0), 0u);
  EXPECT_EQ(text.substr(tag.GetInfoText().size()), "\nCol: 2,   Row: 3");
  EXPECT_EQ(rdv::CellInfoText(nullptr, 0, -1L), "\nCol: 0,   Row: -1");
  // The tag's address in full, whatever the width of a pointer.
  char address[32];
  std::snprintf(address, sizeof address, "%016lx", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(&tag)));
  EXPECT_NE(text.find(std::string("Pointer: 0x") + (sizeof(void*) == 8 ? address : address + 8)), std::string::npos)
      << text;
}

}  // namespace
