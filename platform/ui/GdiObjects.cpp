#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"

using platform_detail::ToQRgb;
using platform_detail::ToQString;

// ---- CGdiObject ------------------------------------------------------------------

BOOL CGdiObject::DeleteObject() {
  if (m_bStock || !m_bCreated) return FALSE;
  Reset();
  m_bCreated = false;
  return TRUE;
}

CGdiObject* CGdiObject::GetStockObject(int index) {
  static const auto MakeStock = [](auto* object) {
    static_cast<CGdiObject*>(object)->MarkStock();
    return object;
  };
  static CBrush* const brushes[] = {
      MakeStock(new CBrush(RGB(255, 255, 255))), MakeStock(new CBrush(RGB(192, 192, 192))),
      MakeStock(new CBrush(RGB(128, 128, 128))), MakeStock(new CBrush(RGB(64, 64, 64))),
      MakeStock(new CBrush(RGB(0, 0, 0))), [] {
        auto* b = new CBrush;
        b->CreateHollowBrush();
        return MakeStock(b);
      }()};
  static CPen* const pens[] = {MakeStock(new CPen(PS_SOLID, 1, RGB(255, 255, 255))),
                               MakeStock(new CPen(PS_SOLID, 1, RGB(0, 0, 0))),
                               MakeStock(new CPen(PS_NULL, 1, RGB(0, 0, 0)))};
  static const auto MakeStockFont = [](LONG height, LONG weight, const char* face) {
    auto* f = new CFont;
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfFaceName = face;
    f->CreateFontIndirect(&lf);
    return MakeStock(f);
  };
  static CFont* const systemFont = MakeStockFont(-13, FW_BOLD, "System");
  static CFont* const guiFont = MakeStockFont(-11, FW_NORMAL, "MS Shell Dlg");
  if (index >= WHITE_BRUSH && index <= NULL_BRUSH) return brushes[index];
  if (index >= WHITE_PEN && index <= NULL_PEN) return pens[index - WHITE_PEN];
  if (index == SYSTEM_FONT) return systemFont;
  if (index == DEFAULT_GUI_FONT) return guiFont;
  return nullptr;
}

// ---- CPen ------------------------------------------------------------------------

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  if (IsStock()) return FALSE;
  m_nStyle = style;
  m_nWidth = std::max(0, width);
  m_crColor = color & 0x00FFFFFF;
  SetCreated(true);
  return TRUE;
}

void CPen::Reset() {
  m_nStyle = PS_SOLID;
  m_nWidth = 1;
  m_crColor = 0;
}

// ---- CBitmap ---------------------------------------------------------------------

CBitmap::CBitmap() : CGdiObject(Kind::Bitmap) {}
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  if (width <= 0 || height <= 0) return FALSE;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  const bool mono = planes == 1 && bitsPerPixel == 1;
  if (mono && bits != nullptr) {
    const auto* bytes = static_cast<const unsigned char*>(bits);
    const int stride = (width + 15) / 16 * 2;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool set = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1;
        image.setPixel(x, y, set ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
      }
    }
  } else if (!mono && bits != nullptr && bitsPerPixel == 32) {
    // 32-bit rows of 0x00RRGGBB pixels, top row first.
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | pixels[y * width + x]);
  }
  SetImage(image, mono);
  return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*dc*/, int width, int height) {
  return CreateBitmap(std::max(width, 1), std::max(height, 1), 1, 32, nullptr);
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
  const QImage* image = platform_detail::FindBitmapImage(resourceId);
  if (image == nullptr) return FALSE;
  SetImage(image->convertToFormat(QImage::Format_RGB32));
  return TRUE;
}

void CBitmap::SetImage(const QImage& image, bool monochrome) {
  m_image = std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32));
  m_bMonochrome = monochrome;
  SetCreated(true);
}

int CBitmap::GetBitmap(BITMAP* info) const {
  if (!m_image || info == nullptr) return 0;
  info->bmType = 0;
  info->bmWidth = m_image->width();
  info->bmHeight = m_image->height();
  info->bmPlanes = 1;
  info->bmBitsPixel = m_bMonochrome ? 1 : 32;
  info->bmWidthBytes = m_bMonochrome ? (m_image->width() + 15) / 16 * 2 : m_image->width() * 4;
  return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetBitmapDimension() const {
  return m_image ? CSize(m_image->width(), m_image->height()) : CSize();
}

void CBitmap::Reset() {
  m_image.reset();
  m_bMonochrome = false;
}

// ---- CBrush ----------------------------------------------------------------------

CBrush::CBrush() : CGdiObject(Kind::Brush) {}
CBrush::CBrush(COLORREF color) : CBrush() { CreateSolidBrush(color); }
CBrush::CBrush(int hatchStyle, COLORREF color) : CBrush() { CreateHatchBrush(hatchStyle, color); }
CBrush::~CBrush() = default;

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (IsStock()) return FALSE;
  Reset();
  m_nStyle = BS_SOLID;
  m_crColor = color & 0x00FFFFFF;
  SetCreated(true);
  return TRUE;
}

BOOL CBrush::CreateHatchBrush(int hatchStyle, COLORREF color) {
  if (IsStock() || hatchStyle < HS_HORIZONTAL || hatchStyle > HS_DIAGCROSS) return FALSE;
  Reset();
  m_nStyle = BS_HATCHED;
  m_nHatch = hatchStyle;
  m_crColor = color & 0x00FFFFFF;
  SetCreated(true);
  return TRUE;
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  if (IsStock() || bitmap == nullptr || bitmap->GetImage() == nullptr) return FALSE;
  Reset();
  const QImage* source = bitmap->GetImage();
  const int w = std::min(source->width(), 8);
  const int h = std::min(source->height(), 8);
  // Tile a smaller bitmap up to 8 x 8 so the pattern repeats with period 8.
  QImage pattern(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern.setPixel(x, y, source->pixel(x % w, y % h));
  m_pattern = std::make_unique<QImage>(pattern);
  m_bMonoPattern = bitmap->IsMonochrome();
  m_nStyle = BS_PATTERN;
  SetCreated(true);
  return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush) {
  if (logBrush == nullptr) return FALSE;
  switch (logBrush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL: return CreateHollowBrush();
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(logBrush->lbHatch), logBrush->lbColor);
    default: return FALSE;
  }
}

BOOL CBrush::CreateHollowBrush() {
  if (IsStock() && IsCreated()) return FALSE;
  Reset();
  m_nStyle = BS_NULL;
  SetCreated(true);
  return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const {
  if (logBrush == nullptr || !IsCreated()) return 0;
  logBrush->lbStyle = static_cast<UINT>(m_nStyle);
  logBrush->lbColor = m_crColor;
  logBrush->lbHatch = static_cast<UINT_PTR>(m_nHatch);
  return static_cast<int>(sizeof(LOGBRUSH));
}

void CBrush::Reset() {
  m_nStyle = BS_SOLID;
  m_crColor = 0;
  m_nHatch = 0;
  m_pattern.reset();
  m_bMonoPattern = false;
}

// ---- CFont -----------------------------------------------------------------------

namespace {

std::string Lower(const std::string& s) {
  std::string out = s;
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kMono = "Liberation Mono";

struct FaceMapping {
  const char* from;  // lower case
  const char* to;
};
// Windows faces the program names, and their stand-ins on Linux. The
// Liberation faces share Arial's, Times' and Courier's metrics; the dialog
// faces are Arial-like; Brightoak (a decorative face) becomes a serif.
constexpr FaceMapping kFaceMap[] = {
    {"tahoma", kSans},          {"arial", kSans},
    {"ms shell dlg", kSans},    {"ms shell dlg 2", kSans},
    {"ms sans serif", kSans},   {"microsoft sans serif", kSans},
    {"verdana", "DejaVu Sans"}, {"segoe ui", kSans},
    {"system", kSans},          {"helvetica", kSans},
    {"brightoak", "DejaVu Serif"}, {"times new roman", kSerif},
    {"times", kSerif},          {"courier new", kMono},
    {"courier", kMono},         {"lucida console", kMono},
    {"", kSans},
};

}  // namespace

std::string CFont::MapFaceName(const std::string& faceName, BYTE pitchAndFamily) {
  const std::string key = Lower(faceName);
  for (const FaceMapping& m : kFaceMap)
    if (key == m.from) return m.to;
  if (QFontDatabase::hasFamily(ToQString(faceName))) return faceName;
  if ((pitchAndFamily & 0x03) == FIXED_PITCH || (pitchAndFamily & 0xF0) == FF_MODERN) return kMono;
  if ((pitchAndFamily & 0xF0) == FF_ROMAN) return kSerif;
  return kSans;
}

LONG CFont::PointsToHeight(int tenthsOfPoint) {
  // MulDiv(points, 96, 72) with rounding, as a character height.
  const long long numerator = static_cast<long long>(std::abs(tenthsOfPoint)) * 96;
  return -static_cast<LONG>((numerator + 360) / 720);
}

CFont::CFont() : CGdiObject(Kind::Font) {}
CFont::~CFont() = default;

QFont CFont::MakeQFont(const LOGFONT& lf) {
  QFont font(ToQString(MapFaceName(lf.lfFaceName, lf.lfPitchAndFamily)));
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight, 1, 1000)));
  font.setItalic(lf.lfItalic != 0);
  font.setUnderline(lf.lfUnderline != 0);
  font.setStrikeOut(lf.lfStrikeOut != 0);
  int pixels = 11;
  if (lf.lfHeight < 0) {
    pixels = -lf.lfHeight;
  } else if (lf.lfHeight > 0) {
    // A cell height: the em size whose ascent + descent fills it.
    QFont probe = font;
    probe.setPixelSize(100);
    const QFontMetricsF fm(probe);
    const double cell = fm.ascent() + fm.descent();
    pixels = cell > 0 ? static_cast<int>(std::lround(lf.lfHeight * 100.0 / cell)) : lf.lfHeight;
  }
  font.setPixelSize(std::max(1, pixels));
  if (lf.lfWidth > 0) {
    // A requested average width narrows or widens the face.
    const QFontMetricsF fm(font);
    const double natural = fm.averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(static_cast<int>(std::lround(lf.lfWidth * 100.0 / natural)), 1, 4000));
  }
  return font;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
  if (logFont == nullptr || IsStock()) return FALSE;
  m_logFont = *logFont;
  if (m_logFont.lfFaceName.size() >= static_cast<size_t>(LF_FACESIZE))
    m_logFont.lfFaceName.resize(LF_FACESIZE - 1);
  m_font = std::make_unique<QFont>(MakeQFont(m_logFont));
  SetCreated(true);
  return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const std::string& faceName) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = outPrecision;
  lf.lfClipPrecision = clipPrecision;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = pitchAndFamily;
  lf.lfFaceName = faceName;
  return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, const std::string& faceName, CDC* dc) {
  LOGFONT lf;
  lf.lfHeight = pointSize;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfFaceName = faceName;
  return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* /*dc*/) {
  if (logFont == nullptr) return FALSE;
  LOGFONT lf = *logFont;
  lf.lfHeight = PointsToHeight(lf.lfHeight);
  return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* logFont) const {
  if (logFont == nullptr || !IsCreated()) return 0;
  *logFont = m_logFont;
  return static_cast<int>(sizeof(LOGFONT));
}

const QFont& CFont::GetQFont() const {
  if (!m_font) {
    static const QFont fallback = MakeQFont(LOGFONT{});
    return fallback;
  }
  return *m_font;
}

void CFont::Reset() {
  m_logFont = LOGFONT{};
  m_font.reset();
}
