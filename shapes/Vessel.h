// C_Vessel: the shape of every container of the plant (hoppers, the screen,
// the separating vessel, cyclones, silos). It holds three analog groups,
// Level, Speed and Temperature, the weighing levels (tare, overload
// warning and error) and the groups' digital companions, and draws the
// vessel's outline filled up to its level, with its caption (or its first
// undisplayed alarm), its level, its temperature and a moving mark in the
// bands the style word chooses.
//
// Creation words: the first option word is the hopper layout word, the
// second the vessel type (VesselGeometry.h); the style word's nibbles
// s0..s4 place the mark (s0, s1), the level text (s2), the caption (s3)
// and the temperature (s4); a nibble of 0 leaves its item out.
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/VesselGeometry.h"

enum eVesselAttrib : int {
  VS_ReserveFloat1 = 27,
  VS_Level = 28,  // the Level group: 28-35
  VS_MinVluLevel = 29,
  VS_MaxVluLevel = 30,
  VS_LlaVluLevel = 31,
  VS_HlaVluLevel = 32,
  VS_LevelPort = 33,
  VS_MinVluLevelPort = 34,
  VS_MaxVluLevelPort = 35,
  VS_Speed = 36,  // the Speed group: 36-43
  VS_MinVluSpeed = 37,
  VS_MaxVluSpeed = 38,
  VS_SpeedPort = 41,
  VS_Temperature = 44,  // the Temperature group: 44-51
  VS_MinVluTemperature = 45,
  VS_MaxVluTemperature = 46,
  VS_TemperaturePort = 49,
  VS_TareLevel = 52,
  VS_OverloadWarningLevel = 53,  // percent
  VS_OverloadErrorLevel = 54,    // percent
  VS_ReserveBool1 = 55,
  VS_LlaFlgLevel = 56,
  VS_HlaFlgLevel = 57,
  VS_LocalCntrlLevel = 58,
  VS_AutoCntrlLevel = 59,
  VS_LlaFlgSpeed = 60,
  VS_HlaFlgSpeed = 61,
  VS_LocalCntrlSpeed = 62,
  VS_AutoCntrlSpeed = 63,
  VS_DiOnOffSpeed = 64,  // the drive runs
  VS_DoOnOffSpeed = 65,  // the run command
  VS_DiOnAlarmSpeed = 66,
  VS_LlaFlgTemperature = 67,
  VS_HlaFlgTemperature = 68,
  VS_LocalCntrlTemperature = 69,
  VS_AutoCntrlTemperature = 70,
  VS_ReserveInt1 = 71,
  VS_ReserveStr1 = 72,
  VS_COUNT = 73,
};

// The alarms a vessel registers (nothing in the program raises them yet).
enum eVesselAlarm : int {
  VS_ALARM_CHLFR = 2000,
  VS_ALARM_CHOVR = 2001,
  VS_ALARM_DCHLFR = 2002,
  VS_ALARM_AM = 2003,
};

class C_Vessel : public C_BaseShape {
 public:
  explicit C_Vessel(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // Inverts DoOnOffSpeed (the menu's "Take %s").
  void ToggleDoOnOffSpeed() { SetAttribBool(VS_DoOnOffSpeed, !GetAttribBool(VS_DoOnOffSpeed)); }

  // Paints the outline in the body colour, the level in the fill colour,
  // the band texts and marks, then the state frame. Each paint moves the
  // mark one step.
  void DrawShape(CDC* dc) override;
  // Its own setting pages first, then the base pages.
  void AddPropertyPages(CPropertySheet* sheet) override;

  int GetVesselType() const { return GetCreateInfo().nOption2; }
  const VesselOutline& GetOutline() const { return m_outline; }
  const VesselMark& GetMark() const { return m_mark; }
  // The body colour: ColorBgLocal under local control, else ColorBG while
  // in the recipe, else ColorBgOutOfRecipe.
  COLORREF GetBodyColor() const;
  // The level's colour: ColorFgOverload while overloaded, else ColorFG.
  COLORREF GetFillColor() const;
  // The s3 band's text and colour: the first active alarm not yet marked
  // displayed (red for CHLFR and CHOVR, yellow for DCHLFR and AM), else the
  // device caption in black.
  std::string GetCaptionBandText(COLORREF* color) const;
  // "<level> <unit>" with the precision of MaxVluLevel.
  std::string GetLevelText() const;
  // "<temperature, one decimal> <unit>".
  std::string GetTemperatureText() const;

 protected:
  // The outline, laid out once from the client size at creation.
  void LayoutShape(const CRect& client) override;

 private:
  void DrawBands(CDC* dc, const CRect& client);

  VesselOutline m_outline;
  VesselMark m_mark;
};
