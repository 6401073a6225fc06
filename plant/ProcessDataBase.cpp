#include "plant/ProcessDataBase.h"

#include "attrib/AttribTypes.h"
#include "platform/ui/DC.h"
#include "res/PlantResources.h"

C_ProcessDataBase::C_ProcessDataBase(int iniIndex, const std::string& deviceName, const ShapeClassDef& def)
    : C_BaseShape(iniIndex, ShapeCreateInfo(0, 1, 1, 2, 2, 0, 0, deviceName), def) {}

ShapeClassDef C_ProcessDataBase::MakeClassDef(int controlType, const OwnAttribs& own) {
  ShapeClassDef def;
  def.controlType = controlType;
  def.attribs = ShapeAttribTable::Builder(PortRule::Stored)
                    .Float(own.floats)
                    .Bool(own.bools)
                    .Int(own.ints)
                    .String({own.text})
                    .Build();
  def.menu.menuId = IDR_PRC_DATA_MENU;
  def.menu.items = {{ID_PRC_DATA_PROPERTIES, ShapeMenuAction::Properties, -1}};
  return def;
}

void C_ProcessDataBase::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  dc->FillSolidRect(client, static_cast<COLORREF>(GetAttribInt(BA_ColorBody)));
  DrawFrame(dc);
}
