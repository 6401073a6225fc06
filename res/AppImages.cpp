// The application's images, drawn here: the start-up splash (3000), the
// lamp icons of the loop and "Off" buttons (3034, 3035, 3036), the
// stopwatch of the record-interval box (3038), the program's icon (128),
// and the cursors of the loop buttons (4094) and of the trend panels' host
// (4088 open hand, 4089 closed hand while dragging).
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ui/Brush.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"
#include "platform/ui/ResourceTable.h"
#include "res/AppResources.h"
#include "res/PageResources.h"
#include "res/ResourceModules.h"

namespace {

using namespace app_res;

// ---- Pixel grids ------------------------------------------------------------------------
// Icons and cursors need transparent pixels, so they are rows of palette
// characters (' ' is transparent). A small grid draws them by formula.
class PixelGrid {
 public:
  explicit PixelGrid(int size) : m_rows(static_cast<size_t>(size), std::string(static_cast<size_t>(size), ' ')) {}
  void Set(int x, int y, char c) {
    if (y >= 0 && y < Size() && x >= 0 && x < Size()) m_rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = c;
  }
  // Every pixel whose centre lies within radius r of (cx, cy).
  void Disc(double cx, double cy, double r, char c) {
    for (int y = 0; y < Size(); ++y)
      for (int x = 0; x < Size(); ++x)
        if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) Set(x, y, c);
  }
  void Line(int x0, int y0, int x1, int y1, char c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
      Set(x0, y0, c);
      if (x0 == x1 && y0 == y1) break;
      const int e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
  }
  int Size() const { return static_cast<int>(m_rows.size()); }
  const std::vector<std::string>& Rows() const { return m_rows; }

 private:
  std::vector<std::string> m_rows;
};

ImageTemplate FromGrid(UINT id, const PixelGrid& grid, std::vector<std::pair<char, COLORREF>> palette) {
  ImageTemplate image;
  image.id = id;
  image.width = image.height = grid.Size();
  image.palette = std::move(palette);
  image.rows = grid.Rows();
  return image;
}

// A round 16 x 16 lamp: dark rim, coloured body, a light spot at the top left.
ImageTemplate LampIcon(UINT id, COLORREF rim, COLORREF body, COLORREF shine) {
  PixelGrid grid(16);
  grid.Disc(8, 8, 7.5, 'o');
  grid.Disc(8, 8, 6.3, 'b');
  grid.Disc(6, 6, 2.3, 's');
  return FromGrid(id, grid, {{'o', rim}, {'b', body}, {'s', shine}});
}

// A 32 x 32 stopwatch: crown, round face, hands at ten past twelve.
ImageTemplate StopwatchIcon() {
  PixelGrid grid(32);
  for (int y = 1; y <= 4; ++y)
    for (int x = 13; x <= 18; ++x) grid.Set(x, y, 'o');
  grid.Disc(16, 18, 13.5, 'o');
  grid.Disc(16, 18, 11.5, 'w');
  for (int hour = 0; hour < 12; ++hour) {
    const double a = hour * 3.14159265 / 6;
    grid.Set(static_cast<int>(16 + 9.5 * std::sin(a)), static_cast<int>(18 - 9.5 * std::cos(a)), 'k');
  }
  grid.Line(16, 18, 16, 9, 'k');
  grid.Line(16, 18, 21, 15, 'k');
  grid.Line(16, 18, 10, 24, 'r');
  grid.Disc(16.5, 18.5, 1.2, 'k');
  return FromGrid(IDI_RECORD_INTERVAL, grid,
                  {{'o', RGB(30, 60, 120)}, {'w', RGB(250, 250, 250)}, {'k', RGB(0, 0, 0)}, {'r', RGB(210, 0, 0)}});
}

// The program's 32 x 32 icon: the spray-dryer tower as the mimic draws it,
// grey body and cone under a green head, spray falling inside.
ImageTemplate ProgramIcon() {
  PixelGrid grid(32);
  for (int y = 5; y <= 20; ++y)
    for (int x = 9; x <= 22; ++x) grid.Set(x, y, x == 9 || x == 22 ? 'o' : 'g');
  for (int y = 21; y <= 27; ++y) {
    const int inset = (y - 20) * 5 / 7;
    for (int x = 9 + inset; x <= 22 - inset; ++x) grid.Set(x, y, x == 9 + inset || x == 22 - inset ? 'o' : 'g');
  }
  for (int y = 28; y <= 30; ++y)
    for (int x = 14; x <= 17; ++x) grid.Set(x, y, 'o');
  for (int y = 1; y <= 4; ++y)
    for (int x = 12 + (4 - y); x <= 19 - (4 - y); ++x) grid.Set(x, y, 'h');
  for (int row = 0; row < 3; ++row)
    for (int x = 12 + (row % 2) * 2; x <= 20; x += 4) {
      grid.Set(x, 8 + row * 4, 's');
      grid.Set(x, 9 + row * 4, 's');
    }
  return FromGrid(IDR_MAINFRAME, grid,
                  {{'o', RGB(70, 70, 70)}, {'g', RGB(192, 192, 192)}, {'h', RGB(59, 179, 113)}, {'s', RGB(0, 0, 0)}});
}

// Hands of the trend host: '#' outline, '.' palm, ' ' transparent.
CursorTemplate HandCursor(UINT id, std::vector<std::string> rows) {
  CursorTemplate cursor;
  cursor.id = id;
  cursor.image.id = id;
  cursor.image.width = cursor.image.height = 16;
  cursor.image.palette = {{'#', RGB(0, 0, 0)}, {'.', RGB(255, 255, 255)}};
  cursor.image.rows = std::move(rows);
  cursor.hotSpot = CPoint(8, 8);
  return cursor;
}

CursorTemplate OpenHandCursor() {
  return HandCursor(IDC_SCROLL_GRAB, {"       ##       ",
                                      "   ## #..###    ",
                                      "  #..##..#..#   ",
                                      "  #..##..#..# # ",
                                      "   #..#..#..##.#",
                                      "   #..#..#..#..#",
                                      " ## #........#.#",
                                      "#..##.........# ",
                                      "#...#.........# ",
                                      " #............# ",
                                      "  #...........# ",
                                      "  #..........#  ",
                                      "   #.........#  ",
                                      "    #.......#   ",
                                      "     #......#   ",
                                      "     ########   "});
}

CursorTemplate ClosedHandCursor() {
  return HandCursor(IDC_SCROLL_DRAG, {"                ",
                                      "                ",
                                      "                ",
                                      "    ## ## ##    ",
                                      "   #..#..#..##  ",
                                      "   #........#.# ",
                                      "    #.........# ",
                                      "   ##.........# ",
                                      "  #.#.........# ",
                                      "  #...........# ",
                                      "   #..........# ",
                                      "   #.........#  ",
                                      "    #........#  ",
                                      "     #.......#  ",
                                      "     #.......#  ",
                                      "     #########  "});
}

// ---- The splash -----------------------------------------------------------------------------
constexpr int kSplashWidth = 480;
constexpr int kSplashHeight = 280;

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
  TRIVERTEX v;
  v.x = x;
  v.y = y;
  v.Red = static_cast<std::uint16_t>(GetRValue(c) << 8);
  v.Green = static_cast<std::uint16_t>(GetGValue(c) << 8);
  v.Blue = static_cast<std::uint16_t>(GetBValue(c) << 8);
  return v;
}

void DrawText(CDC& dc, const std::string& text, int pointSize, int weight, COLORREF colour, CRect rect) {
  LOGFONT lf{};
  lf.lfHeight = CFont::PointsToHeight(pointSize * 10);
  lf.lfWeight = weight;
  lf.lfFaceName = "Arial";
  CFont font;
  font.CreateFontIndirect(&lf);
  CFont* old = dc.SelectObject(&font);
  dc.SetTextColor(colour);
  dc.DrawText(text, &rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  dc.SelectObject(old);
}

// The spray-dryer tower: a cylinder with a cone, hot air coming in, powder
// falling out on a belt.
void DrawTower(CDC& dc) {
  CPen outline(PS_SOLID, 2, RGB(230, 230, 200));
  CBrush body(RGB(90, 110, 140));
  CPen* oldPen = dc.SelectObject(&outline);
  CBrush* oldBrush = dc.SelectObject(&body);
  const CPoint tower[] = {{70, 50}, {150, 50}, {150, 160}, {118, 205}, {102, 205}, {70, 160}};
  dc.Polygon(tower, 6);
  dc.MoveTo(110, 30);
  dc.LineTo(110, 50);
  CPen air(PS_SOLID, 4, RGB(255, 150, 60));
  dc.SelectObject(&air);
  dc.MoveTo(30, 140);
  dc.LineTo(70, 140);
  CPen belt(PS_SOLID, 5, RGB(200, 200, 200));
  dc.SelectObject(&belt);
  dc.MoveTo(80, 232);
  dc.LineTo(160, 232);
  CBrush powder(RGB(250, 250, 235));
  CPen none(PS_NULL, 0, 0);
  dc.SelectObject(&none);
  dc.SelectObject(&powder);
  for (int i = 0; i < 4; ++i) dc.Ellipse(106, 208 + 5 * i, 114, 214 + 5 * i);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

void DrawSplash(CDC& dc) {
  const TRIVERTEX vertices[] = {Vertex(0, 0, RGB(28, 44, 72)), Vertex(kSplashWidth, kSplashHeight, RGB(50, 50, 50))};
  GRADIENT_RECT band{0, 1};
  dc.GradientFill(vertices, 2, &band, 1, GRADIENT_FILL_RECT_V);
  dc.SetBkMode(TRANSPARENT);
  DrawTower(dc);
  DrawText(dc, "VekFrame", 30, FW_BOLD, RGB(255, 255, 0), CRect(190, 50, 470, 105));
  DrawText(dc, "Spray Dryer Line VTLN", 13, FW_BOLD, RGB(230, 230, 200), CRect(192, 110, 470, 135));
  DrawText(dc, "Supervisory control and operator program", 9, FW_NORMAL, RGB(200, 200, 200),
           CRect(192, 140, 470, 160));
  DrawText(dc, "Starting...", 9, FW_NORMAL, RGB(196, 196, 0), CRect(192, 225, 470, 245));
  CBrush frame(RGB(196, 196, 0));
  dc.FrameRect(CRect(0, 0, kSplashWidth, kSplashHeight), &frame);
}

}  // namespace

void RegisterAppImages(ResourceTable& table) {
  ImageTemplate splash;
  splash.id = IDB_SPLASH;
  splash.width = kSplashWidth;
  splash.height = kSplashHeight;
  splash.draw = DrawSplash;
  table.AddBitmap(std::move(splash));
  table.AddIcon(LampIcon(page_res::IDI_LAMP_DARK, RGB(30, 30, 30), RGB(95, 95, 95), RGB(190, 190, 190)));
  table.AddIcon(LampIcon(IDI_LOOP_BUTTON_HOT, RGB(0, 80, 0), RGB(0, 200, 0), RGB(190, 255, 190)));
  table.AddIcon(LampIcon(page_res::IDI_LAMP_RED, RGB(100, 0, 0), RGB(230, 30, 30), RGB(255, 190, 190)));
  table.AddIcon(StopwatchIcon());
  table.AddIcon(ProgramIcon());
  CursorTemplate hand;
  hand.id = IDC_LOOP_BUTTON;
  hand.standardShape = static_cast<int>(IDC_HAND);
  table.AddCursor(hand);
  table.AddCursor(OpenHandCursor());
  table.AddCursor(ClosedHandCursor());
}
