// The data-type names that the tag file, the settings file and every error
// text of the attribute model use for a value type ("Float", "Bool Array").
// Pure functions over a constant table: safe from any thread.
#pragma once

#include <string>

#include "platform/Variant.h"

// The name of a value type: VT_EMPTY and VT_NULL "Null", VT_I2 "Short",
// VT_I4 "Int", VT_R4 "Float", VT_R8 "Double", VT_DATE "Date", VT_BSTR
// "String", VT_BOOL "Bool", VT_I1 "Char", VT_UI1 "Byte", VT_UI2 "Word",
// VT_UI4 "DWord", any other base type "NULL"; " Array" is appended when the
// VT_ARRAY bit is set.
std::string VarTypeToName(VARTYPE vt);

// The reverse, for reading files: every name VarTypeToName gives (but the
// catch-all "NULL") and "Long" for VT_I4, each alone or followed by
// " Array". Names compare exactly. False (vt untouched) for any other text.
bool VarTypeFromName(const std::string& name, VARTYPE* vt);
