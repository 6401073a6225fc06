#include <gtest/gtest.h>

#include "links/VarTypeNames.h"

namespace {

TEST(VarTypeNames, EveryTypeHasItsNameAndArrayForm) {
  const struct {
    VARTYPE vt;
    const char* name;
  } cases[] = {{VT_EMPTY, "Null"}, {VT_NULL, "Null"},   {VT_I2, "Short"},   {VT_I4, "Int"},
               {VT_R4, "Float"},   {VT_R8, "Double"},   {VT_DATE, "Date"},  {VT_BSTR, "String"},
               {VT_BOOL, "Bool"},  {VT_I1, "Char"},     {VT_UI1, "Byte"},   {VT_UI2, "Word"},
               {VT_UI4, "DWord"},  {6, "NULL"},         {0x0FFF, "NULL"}};
  for (const auto& c : cases) {
    EXPECT_EQ(VarTypeToName(c.vt), c.name) << c.vt;
    EXPECT_EQ(VarTypeToName(static_cast<VARTYPE>(c.vt | VT_ARRAY)), std::string(c.name) + " Array") << c.vt;
  }
}

TEST(VarTypeNames, NamesReadBackToTheirTypes) {
  for (VARTYPE vt : {VT_I2, VT_I4, VT_R4, VT_R8, VT_DATE, VT_BSTR, VT_BOOL, VT_I1, VT_UI1, VT_UI2, VT_UI4}) {
    VARTYPE read = 0xFFFF;
    ASSERT_TRUE(VarTypeFromName(VarTypeToName(vt), &read)) << vt;
    EXPECT_EQ(read, vt);
    ASSERT_TRUE(VarTypeFromName(VarTypeToName(static_cast<VARTYPE>(vt | VT_ARRAY)), &read));
    EXPECT_EQ(read, vt | VT_ARRAY);
  }
  VARTYPE read = 0xFFFF;
  ASSERT_TRUE(VarTypeFromName("Long", &read));
  EXPECT_EQ(read, VT_I4);
  ASSERT_TRUE(VarTypeFromName("Null", &read));
  EXPECT_EQ(read, VT_EMPTY) << "\"Null\" means: no type yet";
}

TEST(VarTypeNames, UnknownOrMisspelledNamesAreRefused) {
  for (const char* name : {"", "float", "FLOAT", "Float ", " Float", "NULL", "Array", " Array", "Float Arr",
                           "Float  Array", "Integer"}) {
    VARTYPE read = 77;
    EXPECT_FALSE(VarTypeFromName(name, &read)) << '"' << name << '"';
    EXPECT_EQ(read, 77);
  }
}

}  // namespace
