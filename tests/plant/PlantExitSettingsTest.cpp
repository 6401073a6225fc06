// At exit every device and process-data object saves its changed colours
// and actuator settings; the plant makes that one replacement of the
// settings file for the devices and one for the process data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/IniFile.h"
#include "plant/PlantDeviceList.h"
#include "plant/PlantTestSupport.h"
#include "support/FileReplaceCount.h"

using plant_test::PlantRig;

namespace {

TEST(PlantExitSettings, EveryDevicesChangedColourIsSavedInOneReplacement) {
  PlantRig rig;
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  std::vector<std::string> sections;
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    C_BaseShape* device = rig.Device(row.name);
    device->SetAttribInt(BA_ColorBody, 0x010203);
    sections.push_back(device->GetIniSectionName());
  }
  testing_support::FileReplaceCount replacements;
  rig.Plant().DestroyProcessData();
  EXPECT_EQ(replacements.Count(), 0) << "the process data changed nothing";
  rig.Plant().DestroyDevices();
  EXPECT_EQ(replacements.Count(), 1);
  CIniFile file(rig.Dir().File("VTLN-Setting.ini"));
  for (const std::string& section : sections) {
    std::string value;
    file.ReadString(section, "ColorBody.Data", value, "<absent>");
    EXPECT_EQ(value, "66051") << section;
  }
  EXPECT_EQ(sections.size(), 30u);
}

}  // namespace
