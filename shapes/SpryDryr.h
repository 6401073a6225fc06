// C_SpryDryr: the spray-drying tower, the heart of the mimic. It holds the
// tower's fifteen analog values (slurry feed, hot air, outlet, powder and
// four tower-safety temperatures), the tower-safety figures and settings,
// the fire and burner flags, the hammer (wall knocker) settings and states,
// and the state of every spray nozzle. Nothing in the program computes the
// safety figures, fire detection or the hammer cycle: their tags bring
// them; the tower holds and shows them, and its pages write the settings.
//
// It draws the tower's outline, the nozzle grid (closed black, open white
// with a red spray sized by the rate, faulty red) and up to four
// tower-safety temperatures. A left click on a nozzle opens or closes it;
// a right click on a nozzle shows its rate and range in a balloon,
// elsewhere the context menu.
//
// The nozzle records exist from creation on; before, the nozzle interface
// rejects every call.
// Threads: user-interface thread, like every shape (the plant's cycle,
// which drives the nozzles in Demo, runs there too).
#pragma once

#include <string>

#include "shapes/BaseShape.h"
#include "shapes/NozzleGrid.h"
#include "shapes/SpryDryrAttribs.h"
#include "shapes/SpryDryrGeometry.h"

class C_SpryDryr : public C_BaseShape {
 public:
  // rows x cols nozzles (at most 4 x 10; larger counts give no nozzles).
  C_SpryDryr(const ShapeCreateInfo& info, int rows, int cols, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // The base creation (which lays the tower out and makes the nozzle
  // records), then the show flags of the four temperatures from the
  // settings file (shown when absent).
  BOOL Create(CWnd* parent) override;
  using C_BaseShape::Create;

  // ---- The nozzle interface (NozzleGrid.h); a write repaints the tower ----
  double GetNozzleValue(int nozzle, int field) const { return m_nozzles.GetNozzleValue(nozzle, field); }
  int SetNozzleValue(int nozzle, int field, float value);
  int GetNozzleRows() const { return m_nozzles.GetRows(); }
  int GetNozzleCols() const { return m_nozzles.GetCols(); }
  int GetNozzleCount() const { return m_nozzles.GetCount(); }
  const NozzleGrid& GetNozzles() const { return m_nozzles; }
  const TowerLayout& GetLayout() const { return m_layout; }

  // In Demo the hammers' auto-service feedback follows its command.
  void OnAttribChanged(CVAttrib* attrib, int code) override;
  void DrawShape(CDC* dc) override;
  // Its own setting pages first, then the base pages.
  void AddPropertyPages(CPropertySheet* sheet) override;

  // "Nozzle #<n>" and "Rate: <r>       Max: <max>       Min: <min>".
  static std::string NozzleBalloonTitle(int nozzle);
  static std::string NozzleBalloonText(const NozzleRecord& record);
  // "T<n>: <value, one decimal>°".
  static std::string TemperatureText(int number, float value);

 protected:
  void LayoutShape(const CRect& client) override;
  // A nozzle under the released left button opens or closes.
  void OnLButtonUp(UINT flags, CPoint point) override;
  // The balloon of a nozzle under the released right button; elsewhere the menu.
  void OnRButtonUp(UINT flags, CPoint point) override;

 private:
  void DrawNozzles(CDC* dc);
  void DrawTemperatures(CDC* dc, const CRect& client);

  NozzleGrid m_nozzles;
  TowerLayout m_layout;
};
