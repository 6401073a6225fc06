// CUGCell: the value-and-format record of one grid cell. Every property
// has a bit in the property-flag word and counts only while its bit is set,
// so one cell can be laid over another (CopyOver) and replace only what it
// sets. Number cells turn their value into text in the grid's locale.
// A plain value object: not shared, used on the user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/UGDefs.h"
#include "platform/WinTypes.h"

class CFont;
class CBitmap;
class CPen;
class CUGCell;

// A format object: reformats a cell for display (the grid calls it when a
// cell carries one, after the data source filled the cell).
class CUGCellFormat {
 public:
  virtual ~CUGCellFormat() = default;
  virtual void ApplyDisplayFormat(CUGCell* cell) = 0;
};

// An object attached to a cell. The cell copies only the pointer; the
// memory store deletes it with the stored cell (ClearOwnedExtras).
class CUGCellObject {
 public:
  virtual ~CUGCellObject() = default;
};

class CUGCell {
 public:
  CUGCell();
  ~CUGCell();
  CUGCell(const CUGCell& other);             // CopyFrom
  CUGCell& operator=(const CUGCell& other);  // CopyFrom
  // Takes over every member; the moved-from cell keeps no text or extras.
  CUGCell(CUGCell&& other) noexcept = default;
  CUGCell& operator=(CUGCell&& other) noexcept = default;

  // ---- Whole-cell operations -------------------------------------------
  // Every property back to the constructed state.
  void ClearAll();
  // Deletes the attached object and frees the extra data.
  void ClearOwnedExtras();
  // The flag word and properties of source replace this cell's.
  int CopyFrom(const CUGCell* source);
  // Lays source over target: only the properties set in source are copied.
  static int CopyOver(const CUGCell* source, CUGCell* target);

  // ---- Property flags ------------------------------------------------------
  BOOL IsPropertySet(DWORD bits) const { return (m_propertyFlags & bits) != 0 ? TRUE : FALSE; }
  DWORD GetPropertyFlags() const { return m_propertyFlags; }
  void SetPropertyFlags(DWORD flags) { m_propertyFlags = flags; }
  void ClearProperty(DWORD bit) { m_propertyFlags &= ~bit; }

  // ---- Text and number -----------------------------------------------------
  // Stores the text as data type 1; an empty text clears the text bit.
  int SetText(const std::string& text);
  // Text of the cell; for a number cell built from the number (and kept).
  const std::string& GetText() const;
  int GetTextLength() const { return static_cast<int>(GetText().size()); }
  int SetNumber(double number);
  double GetNumber() const;
  int SetNumberDecimals(int decimals);
  int GetNumberDecimals() const { return m_decimals; }
  // Switches locale formatting of the number text off (TRUE) or on.
  int UseLocaleNumberFormat(BOOL use);
  int SetDataType(short type);
  short GetDataType() const {
    return IsPropertySet(UGCELL_DATATYPE_SET) ? m_dataType : UGCELLDATA_STRING;
  }

  int SetLabel(const std::string& label);
  std::string GetLabel() const;
  // The label into out; 1 when no label is set.
  int GetLabelText(std::string* out) const;
  int SetMask(const std::string& mask);
  std::string GetMask() const;

  // ---- Cell type ----------------------------------------------------------------
  int SetParam(INT_PTR param);
  INT_PTR GetParam() const { return IsPropertySet(UGCELL_PARAM_SET) ? m_param : 0; }
  int SetCellTypeIndex(int index);
  int GetCellTypeIndex() const { return IsPropertySet(UGCELL_CELLTYPE_SET) ? m_cellType : 0; }
  int SetCellTypeEx(long ex);
  long GetCellTypeEx() const { return IsPropertySet(UGCELL_CELLTYPEEX_SET) ? m_cellTypeEx : 0; }

  // ---- Colours, border, font, bitmap, alignment -------------------------------
  int SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  int SetBackColor(COLORREF color);
  COLORREF GetBackColor() const;
  int SetHighlightTextColor(COLORREF color);
  COLORREF GetHighlightTextColor() const;
  int SetHighlightBackColor(COLORREF color);
  COLORREF GetHighlightBackColor() const;
  int SetBorder(short border);
  short GetBorder() const { return IsPropertySet(UGCELL_BORDERSTYLE_SET) ? m_border : 0; }
  int SetBorderPen(CPen* pen);
  CPen* GetBorderPen() const { return IsPropertySet(UGCELL_BORDER_SET) ? m_borderPen : nullptr; }
  int SetFont(CFont* font);
  CFont* GetFont() const { return IsPropertySet(UGCELL_FONT_SET) ? m_font : nullptr; }
  // A null bitmap clears the bitmap bit.
  int SetBitmap(CBitmap* bitmap);
  CBitmap* GetBitmap() const { return IsPropertySet(UGCELL_BITMAP_SET) ? m_bitmap : nullptr; }
  int SetAlignment(short alignment);
  short GetAlignment() const { return IsPropertySet(UGCELL_ALIGNMENT_SET) ? m_alignment : 0; }

  // ---- Join, read-only, style word ------------------------------------------------
  // origin: this cell starts the block and the offsets span to its last
  // column and row; otherwise the (negative) offsets lead to the origin.
  int SetJoinInfo(BOOL origin, int colOffset, long rowOffset);
  int ClearJoinInfo();
  // 1 when the cell is not joined.
  int GetJoinInfo(BOOL* origin, int* colOffset, long* rowOffset) const;
  int SetReadOnly(BOOL readOnly);
  BOOL GetReadOnly() const { return IsPropertySet(UGCELL_READONLY_SET) ? m_readOnly : FALSE; }
  int SetStyleWord(long style);
  long GetStyleWord() const { return IsPropertySet(UGCELL_STYLEWORD_SET) ? m_styleWord : UG_STYLE_DEFAULT; }

  // ---- Extras: format object, style cell, extra data, attached object -------------
  int SetFormatObject(CUGCellFormat* format);
  CUGCellFormat* GetFormatObject() const;
  int SetStyleCell(CUGCell* style);
  CUGCell* GetStyleCell() const;
  int SetExtraData(const void* data, size_t length);
  const std::vector<BYTE>* GetExtraData() const;
  void SetAttachedObject(CUGCellObject* object) { m_attached = object; }
  CUGCellObject* GetAttachedObject() const { return m_attached; }
  // A word that every copy carries over, whatever the flags (1 at first).
  void SetCarriedWord(long word) { m_carriedWord = word; }
  long GetCarriedWord() const { return m_carriedWord; }

 private:
  // Rarely used properties live apart so that a stored cell stays small.
  struct Extras {
    std::string mask;
    std::string label;
    std::vector<BYTE> extraData;
    CUGCellFormat* format = nullptr;
    CUGCell* styleCell = nullptr;
  };
  Extras& MutableExtras();
  void CopyProperties(const CUGCell* source, DWORD bits);
  std::string NumberText() const;

  // The flags, the data type and the text come first, together, as the sort
  // reads them for every comparison.
  DWORD m_propertyFlags = UGCELL_CONSTRUCTED_FLAGS;
  short m_dataType = UGCELLDATA_STRING;
  mutable std::string m_string;  // the text; a number cell keeps its last text here
  double m_number = 0.0;
  INT_PTR m_param = -1;
  int m_cellType = -1;
  long m_cellTypeEx = -1;
  COLORREF m_textColor = 0;
  COLORREF m_backColor = 0;
  COLORREF m_hTextColor = 0;
  COLORREF m_hBackColor = 0;
  short m_alignment = UG_ALIGNLEFT;
  short m_border = 0;
  BOOL m_readOnly = FALSE;
  int m_decimals = 0;
  long m_styleWord = UG_STYLE_DEFAULT;
  BOOL m_joinOrigin = FALSE;
  int m_joinCol = -1;
  long m_joinRow = -1;
  long m_carriedWord = 1;
  CPen* m_borderPen = nullptr;
  CFont* m_font = nullptr;
  CBitmap* m_bitmap = nullptr;
  CUGCellObject* m_attached = nullptr;  // not owned by the cell itself
  std::unique_ptr<Extras> m_extras;
};
