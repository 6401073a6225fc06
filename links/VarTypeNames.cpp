#include "links/VarTypeNames.h"

#include <iterator>
#include <string_view>

namespace {

struct TypeName {
  VARTYPE vt;
  std::string_view name;
  bool readOnly;  // accepted when reading, never written
};

// One row per base type; the first row of a type is the name written.
constexpr TypeName kTypeNames[] = {
    {VT_EMPTY, "Null", false}, {VT_NULL, "Null", false},   {VT_I2, "Short", false},
    {VT_I4, "Int", false},     {VT_I4, "Long", true},      {VT_R4, "Float", false},
    {VT_R8, "Double", false},  {VT_DATE, "Date", false},   {VT_BSTR, "String", false},
    {VT_BOOL, "Bool", false},  {VT_I1, "Char", false},     {VT_UI1, "Byte", false},
    {VT_UI2, "Word", false},   {VT_UI4, "DWord", false},
};

constexpr std::string_view kArraySuffix = " Array";

}  // namespace

std::string VarTypeToName(VARTYPE vt) {
  const VARTYPE base = static_cast<VARTYPE>(vt & VT_TYPEMASK);
  std::string name = "NULL";
  for (const TypeName& row : kTypeNames) {
    if (row.vt == base && !row.readOnly) {
      name = row.name;
      break;
    }
  }
  if (vt & VT_ARRAY) name += kArraySuffix;
  return name;
}

bool VarTypeFromName(const std::string& text, VARTYPE* vt) {
  std::string_view name = text;
  VARTYPE arrayBit = 0;
  if (name.size() > kArraySuffix.size() && name.ends_with(kArraySuffix)) {
    name.remove_suffix(kArraySuffix.size());
    arrayBit = VT_ARRAY;
  }
  // VT_EMPTY's row comes first, so "Null" reads as "no type yet" (0).
  for (const TypeName& row : kTypeNames) {
    if (row.name == name) {
      if (vt) *vt = static_cast<VARTYPE>(row.vt | arrayBit);
      return true;
    }
  }
  return false;
}
