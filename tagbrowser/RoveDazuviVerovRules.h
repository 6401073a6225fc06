// The rules of the tag browser (the RoveDazuvi Verov) apart from its
// windows: the columns, what the "Modifier" column offers for a tag, the
// texts a row shows, the value a user's modifier text writes, the
// highlight match, the line a go-to reaches and the information text of
// a cell. Pure functions of their arguments; safe
// from any thread.
#pragma once

#include <string>

#include "platform/Variant.h"
#include "platform/WinTypes.h"

class CDCTag;

namespace rdv {

// The grid's columns, in order.
enum eColumn {
  eColId = 0,
  eColName,
  eColHWType,
  eColAccessPath,
  eColIOType,
  eColDataType,
  eColValue,
  eColModifier,
  eColNewValue,
  eColCount
};

struct ColumnInfo {
  const char* heading;
  int width;  // pixels
};
// The heading and width of every column (the grid widens a column whose
// heading does not fit in it).
extern const ColumnInfo kColumns[eColCount];

// Colours (0x00BBGGRR).
constexpr COLORREF kIdTextColor = 0xC08080;     // the tag index
constexpr COLORREF kCurrentRowBack = 0xFFD2D2;  // every cell of the current row
constexpr COLORREF kHighlightBack = 0x00FFFF;   // a name that contains the filter
constexpr COLORREF kDefaultBack = 0xFFFFFF;

// Cell-type extension of every tag cell: a text too long for its cell
// ends in an ellipsis.
constexpr long kTagCellTypeEx = 4;
// The choices of a boolean's drop list.
constexpr const char* kBoolChoices = "True\nFalse\n";

// Timers: the grid's refresh of the shown rows, and the dialog's check of
// the data obtainer's suspension.
constexpr UINT_PTR kRefreshTimer = 101;
constexpr UINT kRefreshMs = 500;
constexpr UINT_PTR kSuspendTimer = 6630;
constexpr UINT kSuspendMs = 1000;

// Popup menu commands over the cell area.
constexpr UINT kMenuCopy = 4320;
constexpr UINT kMenuShowInfo = 4321;

// A tag's range (minimum, maximum) counts as set unless both are VT_NULL
// or both have the same type and compare equal.
bool IsRangeSet(const VARIANT& min, const VARIANT& max);

// What the "Modifier" column is for a tag: a slider for an integer or a
// float tag with a range, a True/False drop list for a boolean, else text
// edited in place.
enum class Modifier { Edit, Slider, DropList };
Modifier ModifierOf(VARTYPE dataType, bool rangeSet);

// The "Tag Value" text of a value.
std::string ValueText(const VARIANT& value);
// The "Modifier" text: on a slider the value's place in the range as a
// percentage (a float's text), otherwise the value text.
std::string ModifierText(const VARIANT& value, const VARIANT& min, const VARIANT& max, Modifier modifier);
// The "New Value" text beside a slider: "%" and the slider's text.
std::string NewValueText(const std::string& sliderText);

// The value a modifier text asks to write, in the tag's own data type: on
// a slider the text is a percentage mapped back into the range. False
// (out untouched) when the text does not convert.
bool ValueFromModifierText(const std::string& text, VARTYPE dataType, Modifier modifier, const VARIANT& min,
                           const VARIANT& max, VARIANT* out);

// The name contains the filter (case-sensitive); never for an empty filter.
bool NameMatchesFilter(const std::string& name, const std::string& filter);

// The row a go-to of line reaches in a grid of rowCount rows: at most the
// last row, at least row 0; -1 when the grid has no rows.
long LineToRow(long line, long rowCount);

// The information text of a cell: the tag's description (null: none),
// then "\nCol: %d,   Row: %ld".
std::string CellInfoText(const CDCTag* tag, int col, long row);

}  // namespace rdv
