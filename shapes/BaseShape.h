// C_BaseShape: the base of every device window of the process mimic (and of
// the process-data objects). A shape is a child window of the supervise
// view and an attribute pack at once: it owns the typed attributes of one
// device (the 27 base attributes and its class's own, from the class's
// ShapeClassDef), keeps them in step with their tags, stores them in one
// section of the settings file, paints the device, blinks its frame on
// alarms and while a dialog works on it, and offers a context menu, an
// action dialog and a property sheet. Its second base is the alarm list.
//
// A class derives, hands its ShapeClassDef to the constructor and supplies
// DrawShape; the base then declares the attributes, sets up the analog
// units, answers names, types, roles and defaults, runs the typed setters
// (analog clamping and port conversion, the drive interlocks) and the
// context menu from the definition. docs/shapes.md shows the pattern.
//
// Lifetime: constructed before its window exists (values may be set then);
// Create makes the window, loads the settings and binds the tags; the
// changed colours are saved when the window is destroyed.
// Threads: user-interface thread only (the plant's cycle runs there too).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "attrib/AlarmPack.h"
#include "attrib/AnalogUnit.h"
#include "attrib/VAttribsPack.h"
#include "shapes/ShapeBlink.h"
#include "shapes/ShapeClassDef.h"
#include "shapes/ShapeCreateInfo.h"
#include "shapes/ShapeTypes.h"

class CDC;
class CDCTag;
class CFont;
class CIniFile;
class CMenu;
class CPropertyPage;
class CPropertySheet;

class C_BaseShape : public CVAttribsPack, public CAlarmPack {
 public:
  // Counts the instance, computes the control id (INI-file index, control
  // type, instance number), enters the device name in the device-name list,
  // creates the analog units and declares the class's attributes. A copy
  // (bCopy) of a live shape takes that shape's instance number.
  C_BaseShape(int iniIndex, const ShapeCreateInfo& info, const ShapeClassDef& def, bool bCopy = false);
  ~C_BaseShape() override;

  // ---- Creation --------------------------------------------------------------------------
  // Loads the class's context menu and creates the window at the
  // descriptor's rectangle (CreateAtDescriptor), then lays the drawing out.
  virtual BOOL Create(CWnd* parent);
  // The window at rect: created, its own notify window, settings loaded,
  // ranges handed to the tags, unbound attributes marked in the settings.
  BOOL Create(CWnd* parent, const CRect& rect);
  BOOL CreateAtDescriptor(CWnd* parent);
  using CVAttribsPack::Create;

  // ---- Attribute knowledge (from the class definition) ---------------------------------------
  std::string GetAttribName(int id) const override;
  VARIANT GetAttribDefault(int id) const override;  // empty: the typed zero
  VARTYPE GetAttribType(int id) const override;
  int GetAnalogRole(int id) const override;
  int GetAnalogGroupMember(int id, int role) const override;
  static std::string GetBaseAttribName(int id);  // "%08X" outside 0-26
  const ShapeClassDef& GetClassDef() const { return m_def; }

  // ---- Values ------------------------------------------------------------------------------
  // Drops a value equal to the current one, or one for an attribute whose
  // tag is read-pending; else the attribute's own setter takes it (which
  // writes a bound tag through). Throws std::invalid_argument for a bad id.
  void SetAttribValue(int id, const VARIANT* value) override;
  virtual bool GetAttribBool(int id) const;
  virtual float GetAttribFloat(int id) const;
  virtual int GetAttribInt(int id) const;
  virtual double GetAttribDouble(int id) const;
  virtual std::string GetAttribString(int id) const;
  // The typed setters. Each does nothing when the attribute already holds
  // the value, else applies the class's rules and stores the value through
  // SetAttribValue: Bool the drive interlocks and alarm blinking of
  // ShapeBoolRules; Float the analog groups' clamping (posting the shape
  // command), unit percent and port conversion. Int, Double and String
  // only store (the text trimmed first).
  virtual void SetAttribBool(int id, bool value);
  virtual void SetAttribFloat(int id, float value);
  virtual void SetAttribInt(int id, int value);
  virtual void SetAttribDouble(int id, double value);
  virtual void SetAttribString(int id, const std::string& value);
  // The names the plant engine uses for the same setters.
  void SetAttribBoolIfChanged(int id, bool value) { SetAttribBool(id, value); }
  void SetAttribFloatIfChanged(int id, float value) { SetAttribFloat(id, value); }

  // ---- Device naming -------------------------------------------------------------------------
  std::string GetDeviceCaption() const override;  // DeviceCaption, or the device name
  std::string GetDeviceName() const override;
  virtual void SetDeviceCaption(const std::string& caption);  // trimmed
  virtual void SetDeviceName(const std::string& name);        // trimmed
  // "[ControlType.DeviceName]", with " - " and the caption when it differs.
  virtual std::string GetDisplayTitle() const;
  virtual bool QueryShapeState() { return false; }
  const ShapeCreateInfo& GetCreateInfo() const { return m_info; }
  // Live shapes of this control type and INI-file index.
  virtual int GetInstanceCount() const;
  int GetInstanceNumber() const { return static_cast<int>(GetCtrlId() & 0xFFFF); }

  // ---- Settings file -------------------------------------------------------------------------
  // The settings file the shape reads and writes (null without one). An
  // action that saves several keys holds a CIniFile::CBatch on it, so the
  // file is replaced once for all of them.
  CIniFile* GetIniFile() const;
  // "ControlType.DeviceName", XML-escaped.
  std::string GetIniSectionName() const override;
  bool IniSectionExists(const std::string& section) const override;
  std::string GetAttribIniKey(int id, int property) const;
  // A missing key (or file) reads as the default of the id and property.
  void LoadAttribIniString(int id, int property, std::string& text) override;
  virtual void LoadAttribIniInt(int id, int property, int& value);
  virtual void LoadAttribIniFloat(int id, int property, float& value);
  // Each writes only when the file's value (or the default, for an absent
  // key) differs; true when the file holds the value afterwards.
  void SaveAttribIniString(int id, int property, const std::string& text) override;
  virtual bool SaveAttribIniInt(int id, int property, int value);
  virtual bool SaveAttribIniFloat(int id, int property, float value);
  // The pack's pass (bindings, transforms, ...), then the saved values of
  // the numeric and boolean attributes, the caption, and DeviceIsInRecipe.
  void LoadAttribsFromIni() override;
  // Ensures the base attributes (the on-demand path); InitAttrib names and
  // types the first six of them.
  void CreateAttribs() override;
  bool InitAttrib(CVAttrib* attrib) override;
  // Reads "Data" of a VT_I4, VT_R4 or VT_BOOL attribute into it through the
  // typed setter; an attribute of any other type is left as it is.
  virtual void LoadAttribData(int id);
  // Sets the attribute and writes its "Data" (flags as 1/0).
  virtual void SaveAttribData(int id, const VARIANT& value);
  virtual int GetDefaultInt(int id, int property) const;
  virtual float GetDefaultFloat(int id, int property) const;
  virtual std::string GetDefaultString(int /*id*/, int /*property*/) const { return {}; }
  // Writes "_NO_DCTAG_" as the Tag of every bindable attribute whose Tag
  // key is absent or empty, so the file lists what waits for a binding. A
  // configured name, resolved or not, is never touched.
  virtual void MarkUnboundAttribs();
  // An own attribute (from BA_COUNT on) that is not a reserve: the settings
  // file binds it to a tag.
  bool IsBindableAttrib(int id) const;

  // ---- Tags ----------------------------------------------------------------------------------
  // A tag's notice: values reach the bound attributes through the typed
  // setters; pending flags are mirrored. A value that came while the tag
  // was read-pending is applied when the read-pending flag clears.
  // Returns 1 for an ignored notice, else 0.
  virtual int OnDataCenterNotify(CDCTag* tag, int code);

  // ---- Analog units ----------------------------------------------------------------------------
  void SetAnalogUnitCount(int count);  // count <= 0 deletes them all
  int GetAnalogUnitCount() const { return static_cast<int>(m_units.size()); }
  CAnalogUnit* GetAnalogUnit(int index) const;  // null outside
  // The unit whose value attribute is valueId; null when none.
  CAnalogUnit* FindAnalogUnit(int valueId) const;
  // (x - min) * 100 / (max - min) for min <= x <= max and max > min, else 0.
  static float PercentOfRange(float x, float min, float max);

  // ---- Alarms, blinking, drawing ---------------------------------------------------------------
  // Resets every alarm, then clears DeviceIsOverloaded.
  void ResetAlarms() override;
  void StartBlinkTimer();             // timer 6632: repaint every 90 ms
  void SetDialogBlink(bool blink);    // true starts timer 6634
  void SetActionBlink(bool blink);    // true starts timer 6634
  void SetAlarmBlink(bool blink);     // on a change; true starts timer 6634
  const ShapeBlinkFlags& GetBlinkFlags() const { return m_blinkFlags; }
  bool GetBlinkPhase() const { return m_blink.GetPhase(); }
  // Paints the whole shape at the context's origin (client coordinates).
  virtual void DrawShape(CDC* dc) = 0;
  // The client rectangle's outline in the blink state's colour.
  void DrawFrame(CDC* dc);
  // The shared 8-point bold Tahoma of all shapes (made by the first Create).
  static CFont* GetShapeFont();
  static COLORREF GetMimicBgColor() { return MIMIC_BG_COLOR; }

  // ---- Commands ---------------------------------------------------------------------------------
  // Posts WM_SHAPE_COMMAND (0x477) to the parent: lParam = control id | (n << 8).
  virtual void PostShapeCommand(int n);
  // Puts the section name on the clipboard; with a balloon on the shape.
  virtual void CopyNameToClipboard(bool bShowBalloon);
  // The property sheet "Control Properties   <display title>" with the
  // pages of AddPropertyPages; the frame blinks while it is open.
  virtual void ShowPropertySheet();
  // The pages of the property sheet: the analog calibration pages (one per
  // four analog groups), the graphic page and the general page. A class
  // with pages of its own adds them with AddOwnedPage, then calls this.
  virtual void AddPropertyPages(CPropertySheet* sheet);
  // (analog unit count - 1) / 4 + 1.
  virtual int GetAnalogPageCount() const;
  // "&Action": the class's action dialog; the base shows "No Action defined!".
  virtual void ShowActionDialog();

  // ---- Process-wide state ------------------------------------------------------------------------
  // The settings files shapes read and write, by INI-file index (entry 1 is
  // the plant's settings file). The table owns the files.
  static void CreatePackIniFileTable(int count);
  static CIniFile* GetPackIniFile(int index);  // null without a table or file
  static void SetPackIniFile(int index, CIniFile* ini);  // takes ownership
  static void DeletePackIniFiles();
  // The names of the live shapes; a shape leaves it when destroyed. Emptying
  // it (program end) is safe while shapes still exist.
  static const std::vector<std::string>& GetDeviceNameList();
  static void DeleteDeviceNameList();
  // Shows "Found duplicated Device Name!..." for the first two names that
  // differ only in letter case (or not at all); false then.
  static bool CheckDuplicatedDeviceNames();

 protected:
  // ---- Window messages -----------------------------------------------------------------------
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnTimer(UINT_PTR id) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  // ---- Hooks of the concrete classes -------------------------------------------------------------
  // Computes the drawing's geometry from the client size, once, at Create.
  virtual void LayoutShape(const CRect& client) { (void)client; }
  // Rewrites the toggle items' texts and greys the speed items.
  virtual void UpdateContextMenu(CMenu* popup);
  // Handles a command of the context menu; false when it is not one.
  virtual bool OnShapeCommand(UINT commandId);

  // CAlarmPack: code 3 (some alarm active changed) drives the alarm blink.
  void OnAlarmPackChanged(int code) override;
  // Adds a page the shape deletes after the sheet closed (once, also a page
  // the sheet removed).
  void AddOwnedPage(CPropertySheet* sheet, std::unique_ptr<CPropertyPage> page);
  // The side effects of the boolean setter before the value is stored.
  void ApplyBoolRules(int id, bool value);
  // The analog part of the float setter: clamps, posts, converts; returns
  // the value to store.
  float ApplyAnalogRules(int id, float value);
  // The tag's value to the attribute through the typed setter of the tag's type.
  void ApplyTagValue(CVAttrib* attrib, const CDCTag* tag);
  // Whether the attribute has a bound tag.
  bool IsAttribBound(int id) const;

 private:
  void SaveColorsOnDestroy();

  const ShapeClassDef& m_def;   // the class's tables; outlives the shape
  ShapeCreateInfo m_info;
  std::unique_ptr<CMenu> m_pMenu;  // the loaded menu; its first submenu pops up
  ShapeBlink m_blink;
  ShapeBlinkFlags m_blinkFlags;
  std::vector<std::unique_ptr<CAnalogUnit>> m_units;  // one per analog group
  std::vector<std::unique_ptr<CPropertyPage>> m_pages;  // while the sheet is open
  bool m_bCopy = false;
};
