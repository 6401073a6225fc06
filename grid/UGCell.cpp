#include "grid/UGCell.h"

#include <cmath>

#include "grid/UGColors.h"
#include "grid/UGLocale.h"
#include "platform/Variant.h"

CUGCell::CUGCell() { ClearAll(); }

CUGCell::~CUGCell() = default;

CUGCell::CUGCell(const CUGCell& other) { CopyFrom(&other); }

CUGCell& CUGCell::operator=(const CUGCell& other) {
  if (this != &other) CopyFrom(&other);
  return *this;
}

void CUGCell::ClearAll() {
  m_propertyFlags = UGCELL_CONSTRUCTED_FLAGS;
  m_string.clear();
  m_number = 0.0;
  m_dataType = UGCELLDATA_STRING;
  m_param = -1;
  m_textColor = UGSysColor(UG_COLOR_WINDOWTEXT);
  m_backColor = UGSysColor(UG_COLOR_WINDOW);
  m_hTextColor = UGSysColor(UG_COLOR_HIGHLIGHTTEXT);
  m_hBackColor = UGSysColor(UG_COLOR_HIGHLIGHT);
  m_alignment = UG_ALIGNLEFT;
  m_styleWord = UG_STYLE_DEFAULT;
  m_border = 0;
  m_borderPen = nullptr;
  m_font = nullptr;
  m_bitmap = nullptr;
  m_cellType = -1;
  m_cellTypeEx = -1;
  m_joinOrigin = FALSE;
  m_joinCol = -1;
  m_joinRow = -1;
  m_readOnly = FALSE;
  m_decimals = 0;
  m_attached = nullptr;
  m_carriedWord = 1;
  m_extras.reset();
}

void CUGCell::ClearOwnedExtras() {
  delete m_attached;
  m_attached = nullptr;
  if (m_extras) {
    m_extras->extraData.clear();
    m_extras->extraData.shrink_to_fit();
  }
  m_propertyFlags &= ~UGCELL_EXTRAMEM_SET;
}

CUGCell::Extras& CUGCell::MutableExtras() {
  if (!m_extras) m_extras = std::make_unique<Extras>();
  return *m_extras;
}

int CUGCell::CopyFrom(const CUGCell* source) {
  if (source == nullptr) return UG_ERROR;
  if (source == this) return UG_SUCCESS;
  m_propertyFlags = source->m_propertyFlags;
  CopyProperties(source, source->m_propertyFlags);
  return UG_SUCCESS;
}

int CUGCell::CopyOver(const CUGCell* source, CUGCell* target) {
  if (source == nullptr || target == nullptr) return UG_ERROR;
  if (source == target) return UG_SUCCESS;
  target->m_propertyFlags |= source->m_propertyFlags;
  target->CopyProperties(source, source->m_propertyFlags);
  return UG_SUCCESS;
}

void CUGCell::CopyProperties(const CUGCell* source, DWORD bits) {
  if (bits & UGCELL_TEXT_SET) {
    m_string = source->m_string;
    m_number = source->m_number;
  }
  if (bits & UGCELL_MASK_SET) MutableExtras().mask = source->GetMask();
  if (bits & UGCELL_LABEL_SET) MutableExtras().label = source->GetLabel();
  if (bits & UGCELL_DATATYPE_SET) m_dataType = source->m_dataType;
  if (bits & UGCELL_PARAM_SET) m_param = source->m_param;
  if (bits & UGCELL_CELLTYPE_SET) m_cellType = source->m_cellType;
  if (bits & UGCELL_CELLTYPEEX_SET) m_cellTypeEx = source->m_cellTypeEx;
  if (bits & UGCELL_TEXTCOLOR_SET) m_textColor = source->m_textColor;
  if (bits & UGCELL_BACKCOLOR_SET) m_backColor = source->m_backColor;
  if (bits & UGCELL_HTEXTCOLOR_SET) m_hTextColor = source->m_hTextColor;
  if (bits & UGCELL_HBACKCOLOR_SET) m_hBackColor = source->m_hBackColor;
  if (bits & UGCELL_BORDERSTYLE_SET) m_border = source->m_border;
  if (bits & UGCELL_BORDER_SET) m_borderPen = source->m_borderPen;
  if (bits & UGCELL_FONT_SET) m_font = source->m_font;
  if (bits & UGCELL_BITMAP_SET) m_bitmap = source->m_bitmap;
  if (bits & UGCELL_ALIGNMENT_SET) m_alignment = source->m_alignment;
  if (bits & UGCELL_EXTRAMEM_SET) {
    MutableExtras().extraData = source->m_extras ? source->m_extras->extraData : std::vector<BYTE>();
  }
  if (bits & UGCELL_JOIN_SET) {
    m_joinOrigin = source->m_joinOrigin;
    m_joinCol = source->m_joinCol;
    m_joinRow = source->m_joinRow;
  }
  if (bits & UGCELL_FORMAT_SET) MutableExtras().format = source->GetFormatObject();
  if (bits & UGCELL_STYLE_SET) MutableExtras().styleCell = source->GetStyleCell();
  if (bits & UGCELL_READONLY_SET) m_readOnly = source->m_readOnly;
  if (bits & UGCELL_NUMBERDEC_SET) m_decimals = source->m_decimals;
  if (bits & UGCELL_STYLEWORD_SET) m_styleWord = source->m_styleWord;
  m_attached = source->m_attached;
  m_carriedWord = source->m_carriedWord;
}

// ---- Text and number ----------------------------------------------------------

int CUGCell::SetText(const std::string& text) {
  m_string = text;
  m_dataType = UGCELLDATA_STRING;
  if (text.empty()) {
    m_propertyFlags &= ~UGCELL_TEXT_SET;
  } else {
    m_propertyFlags |= UGCELL_TEXT_SET | UGCELL_DATATYPE_SET;
  }
  return UG_SUCCESS;
}

int CUGCell::SetNumber(double number) {
  m_string.clear();
  m_number = number;
  m_dataType = UGCELLDATA_NUMBER;
  m_propertyFlags |= UGCELL_TEXT_SET | UGCELL_DATATYPE_SET;
  return UG_SUCCESS;
}

std::string CUGCell::NumberText() const {
  std::string plain = IsPropertySet(UGCELL_NUMBERDEC_SET) ? UGNumberToFixedText(m_number, m_decimals)
                                                           : UGNumberToPlainText(m_number);
  if (IsPropertySet(UGCELL_DONOT_LOCALIZE)) return plain;
  const UGLocale& locale = UGGetLocale();
  int digits = 0;
  if (IsPropertySet(UGCELL_NUMBERDEC_SET)) {
    digits = m_decimals;
  } else {
    size_t dot = plain.find('.');
    digits = dot == std::string::npos ? 0 : static_cast<int>(plain.size() - dot - 1);
  }
  std::string formatted;
  if (UGFormatNumberText(plain, digits, locale, &formatted)) return formatted;
  size_t dot = plain.find('.');
  if (dot != std::string::npos) plain.replace(dot, 1, locale.decimalSeparator);
  return plain;
}

const std::string& CUGCell::GetText() const {
  if (IsPropertySet(UGCELL_TEXT_SET) && GetDataType() == UGCELLDATA_NUMBER) {
    m_string = NumberText();
  }
  return m_string;
}

double CUGCell::GetNumber() const {
  if (!IsPropertySet(UGCELL_TEXT_SET)) return 0.0;
  short type = GetDataType();
  if (type == UGCELLDATA_NUMBER || type == UGCELLDATA_TIME || type == UGCELLDATA_CURRENCY) {
    return m_number;
  }
  return UGParseNumberText(m_string, UGGetLocale());
}

int CUGCell::SetNumberDecimals(int decimals) {
  m_decimals = decimals < 0 ? 0 : decimals;
  m_propertyFlags |= UGCELL_NUMBERDEC_SET;
  return UG_SUCCESS;
}

int CUGCell::UseLocaleNumberFormat(BOOL use) {
  if (use) {
    m_propertyFlags &= ~UGCELL_DONOT_LOCALIZE;
  } else {
    m_propertyFlags |= UGCELL_DONOT_LOCALIZE;
  }
  return UG_SUCCESS;
}

int CUGCell::SetDataType(short type) {
  if (IsPropertySet(UGCELL_DATATYPE_SET) && m_dataType == type) return UG_SUCCESS;
  bool hasText = IsPropertySet(UGCELL_TEXT_SET);
  short oldType = GetDataType();
  if (hasText) {
    if (type == UGCELLDATA_NUMBER) {
      m_number = GetNumber();
      m_string.clear();
    } else if (type == UGCELLDATA_TIME) {
      DATE date = 0.0;
      m_number = TextToDate(GetText(), &date) ? date : 0.0;
    } else if (type == UGCELLDATA_CURRENCY) {
      if (oldType == UGCELLDATA_NUMBER) {
        m_string = UGNumberToFixedText(m_number, 2);
      } else {
        // A currency amount holds four decimals.
        double amount = UGParseNumberText(m_string, UGGetLocale());
        m_number = std::isfinite(amount) ? std::round(amount * 10000.0) / 10000.0 : 0.0;
      }
    }
  }
  m_dataType = type;
  m_propertyFlags |= UGCELL_DATATYPE_SET;
  return UG_SUCCESS;
}

int CUGCell::SetLabel(const std::string& label) {
  MutableExtras().label = label;
  m_propertyFlags |= UGCELL_LABEL_SET;
  return UG_SUCCESS;
}

std::string CUGCell::GetLabel() const {
  return IsPropertySet(UGCELL_LABEL_SET) && m_extras ? m_extras->label : std::string();
}

int CUGCell::GetLabelText(std::string* out) const {
  if (!IsPropertySet(UGCELL_LABEL_SET)) return UG_ERROR;
  *out = GetLabel();
  return UG_SUCCESS;
}

int CUGCell::SetMask(const std::string& mask) {
  MutableExtras().mask = mask;
  m_propertyFlags |= UGCELL_MASK_SET;
  return UG_SUCCESS;
}

std::string CUGCell::GetMask() const {
  return IsPropertySet(UGCELL_MASK_SET) && m_extras ? m_extras->mask : std::string();
}

// ---- Cell type --------------------------------------------------------------------

int CUGCell::SetParam(INT_PTR param) {
  m_param = param;
  m_propertyFlags |= UGCELL_PARAM_SET;
  return UG_SUCCESS;
}

int CUGCell::SetCellTypeIndex(int index) {
  m_cellType = index;
  m_propertyFlags |= UGCELL_CELLTYPE_SET;
  return UG_SUCCESS;
}

int CUGCell::SetCellTypeEx(long ex) {
  m_cellTypeEx = ex;
  m_propertyFlags |= UGCELL_CELLTYPEEX_SET;
  return UG_SUCCESS;
}

// ---- Colours, border, font, bitmap, alignment ------------------------------------

int CUGCell::SetTextColor(COLORREF color) {
  m_textColor = color;
  m_propertyFlags |= UGCELL_TEXTCOLOR_SET;
  return UG_SUCCESS;
}

COLORREF CUGCell::GetTextColor() const {
  return IsPropertySet(UGCELL_TEXTCOLOR_SET) ? m_textColor : UGSysColor(UG_COLOR_WINDOWTEXT);
}

int CUGCell::SetBackColor(COLORREF color) {
  m_backColor = color;
  m_propertyFlags |= UGCELL_BACKCOLOR_SET;
  return UG_SUCCESS;
}

COLORREF CUGCell::GetBackColor() const {
  return IsPropertySet(UGCELL_BACKCOLOR_SET) ? m_backColor : UGSysColor(UG_COLOR_WINDOW);
}

int CUGCell::SetHighlightTextColor(COLORREF color) {
  m_hTextColor = color;
  m_propertyFlags |= UGCELL_HTEXTCOLOR_SET;
  return UG_SUCCESS;
}

COLORREF CUGCell::GetHighlightTextColor() const {
  return IsPropertySet(UGCELL_HTEXTCOLOR_SET) ? m_hTextColor : UGSysColor(UG_COLOR_HIGHLIGHTTEXT);
}

int CUGCell::SetHighlightBackColor(COLORREF color) {
  m_hBackColor = color;
  m_propertyFlags |= UGCELL_HBACKCOLOR_SET;
  return UG_SUCCESS;
}

COLORREF CUGCell::GetHighlightBackColor() const {
  return IsPropertySet(UGCELL_HBACKCOLOR_SET) ? m_hBackColor : UGSysColor(UG_COLOR_HIGHLIGHT);
}

int CUGCell::SetBorder(short border) {
  m_border = border;
  m_propertyFlags |= UGCELL_BORDERSTYLE_SET;
  return UG_SUCCESS;
}

int CUGCell::SetBorderPen(CPen* pen) {
  m_borderPen = pen;
  m_propertyFlags |= UGCELL_BORDER_SET;
  return UG_SUCCESS;
}

int CUGCell::SetFont(CFont* font) {
  m_font = font;
  m_propertyFlags |= UGCELL_FONT_SET;
  return UG_SUCCESS;
}

int CUGCell::SetBitmap(CBitmap* bitmap) {
  m_bitmap = bitmap;
  if (bitmap == nullptr) {
    m_propertyFlags &= ~UGCELL_BITMAP_SET;
  } else {
    m_propertyFlags |= UGCELL_BITMAP_SET;
  }
  return UG_SUCCESS;
}

int CUGCell::SetAlignment(short alignment) {
  m_alignment = alignment;
  m_propertyFlags |= UGCELL_ALIGNMENT_SET;
  return UG_SUCCESS;
}

// ---- Join, read-only, style word ---------------------------------------------------

int CUGCell::SetJoinInfo(BOOL origin, int colOffset, long rowOffset) {
  m_joinOrigin = origin;
  m_joinCol = colOffset;
  m_joinRow = rowOffset;
  m_propertyFlags |= UGCELL_JOIN_SET;
  return UG_SUCCESS;
}

int CUGCell::ClearJoinInfo() {
  m_joinOrigin = FALSE;
  m_joinCol = -1;
  m_joinRow = -1;
  m_propertyFlags &= ~UGCELL_JOIN_SET;
  return UG_SUCCESS;
}

int CUGCell::GetJoinInfo(BOOL* origin, int* colOffset, long* rowOffset) const {
  if (!IsPropertySet(UGCELL_JOIN_SET)) return UG_ERROR;
  if (origin) *origin = m_joinOrigin;
  if (colOffset) *colOffset = m_joinCol;
  if (rowOffset) *rowOffset = m_joinRow;
  return UG_SUCCESS;
}

int CUGCell::SetReadOnly(BOOL readOnly) {
  m_readOnly = readOnly;
  m_propertyFlags |= UGCELL_READONLY_SET;
  return UG_SUCCESS;
}

int CUGCell::SetStyleWord(long style) {
  m_styleWord = style;
  m_propertyFlags |= UGCELL_STYLEWORD_SET;
  return UG_SUCCESS;
}

// ---- Extras ---------------------------------------------------------------------------

int CUGCell::SetFormatObject(CUGCellFormat* format) {
  MutableExtras().format = format;
  if (format == nullptr) {
    m_propertyFlags &= ~UGCELL_FORMAT_SET;
  } else {
    m_propertyFlags |= UGCELL_FORMAT_SET;
  }
  return UG_SUCCESS;
}

CUGCellFormat* CUGCell::GetFormatObject() const {
  return IsPropertySet(UGCELL_FORMAT_SET) && m_extras ? m_extras->format : nullptr;
}

int CUGCell::SetStyleCell(CUGCell* style) {
  MutableExtras().styleCell = style;
  if (style == nullptr) {
    m_propertyFlags &= ~UGCELL_STYLE_SET;
  } else {
    m_propertyFlags |= UGCELL_STYLE_SET;
  }
  return UG_SUCCESS;
}

CUGCell* CUGCell::GetStyleCell() const {
  return IsPropertySet(UGCELL_STYLE_SET) && m_extras ? m_extras->styleCell : nullptr;
}

int CUGCell::SetExtraData(const void* data, size_t length) {
  std::vector<BYTE>& buffer = MutableExtras().extraData;
  const BYTE* bytes = static_cast<const BYTE*>(data);
  buffer.assign(bytes, bytes + (data ? length : 0));
  m_propertyFlags |= UGCELL_EXTRAMEM_SET;
  return UG_SUCCESS;
}

const std::vector<BYTE>* CUGCell::GetExtraData() const {
  return IsPropertySet(UGCELL_EXTRAMEM_SET) && m_extras ? &m_extras->extraData : nullptr;
}
