#include "plant/PlantDeviceList.h"

#include "attrib/AttribTypes.h"

namespace {

constexpr std::array<PlantDeviceRow, kPlantDeviceCount> kDevices = {{
    {CT_SPRAY_DRYER, "SpryDryr1", 403, 100, 120, 700, 0, 0, 0},
    {CT_VESSEL, "Screen1", 650, 290, 160, 18, 0, 0, 0x8000},
    {CT_VESSEL, "MeasurBeltHopper", 690, 320, 80, 60, 0x20415000, 1, 0x400},
    {CT_VESSEL, "SeparatingVessel", 580, 70, 90, 170, 0, 7, 0x7000},
    {CT_VESSEL, "TowerCyclone", 220, 60, 60, 140, 0x25319101, 1, 0},
    {CT_VESSEL, "AirLiftCyclone", 710, 40, 40, 100, 0x25319101, 1, 0},
    {CT_VESSEL, "Silo1", 830, 540, 70, 160, 0x40405000, 1, 0x3000},
    {CT_VESSEL, "Silo2", 910, 540, 70, 160, 0x40405000, 1, 0x3000},
    {CT_BELT, "MeasuringBelt", 703, 380, 200, 50, 35, 1, 0x2000001},
    {CT_HEAT_ZONE, "HotAirHeatZone", 280, 690, 69, 110, 0x3C000237, 1, 0},
    {CT_DBF_VALVE, "HotAirDiverseValve", 300, 660, 30, 30, 0, 2, 10},
    {CT_DBF_VALVE, "PowderDiverseValve", 890, 480, 30, 30, 0, 3, 10},
    {CT_VALVE, "ReturnValve", 340, 230, 20, 20, 0, 1, 0x10000010},
    {CT_RTRY_WHL, "TransferBeltLeft", 440, 820, 30, 30, 2, 1, 10},
    {CT_RTRY_WHL, "TransferBeltRight", 580, 780, 30, 30, 2, 1, 10},
    {CT_RTRY_WHL, "RotaryFilter1", 100, 280, 30, 30, 1, 1, 10},
    {CT_RTRY_WHL, "RotaryFilter2", 100, 350, 30, 30, 1, 1, 10},
    {CT_RTRY_WHL, "RotaryFilter3", 100, 420, 30, 30, 1, 1, 10},
    {CT_RTRY_WHL, "RotaryFilter4", 100, 490, 30, 30, 1, 1, 10},
    {CT_DOSE_PUMP, "HighPressure1", 240, 280, 120, 36, 0, 0, 0},
    {CT_DOSE_PUMP, "HighPressure2", 240, 350, 120, 36, 0, 0, 0},
    {CT_DOSE_PUMP, "HighPressure3", 240, 420, 120, 36, 0, 0, 0},
    {CT_CNTR_FGL_PUMP, "SuctionFan", 50, 170, 85, 85, 0, 1, 10},
    {CT_CNTR_FGL_PUMP, "FeedingPump1", 160, 280, 35, 35, 0, 4, 10},
    {CT_CNTR_FGL_PUMP, "FeedingPump2", 160, 350, 35, 35, 0, 4, 10},
    {CT_CNTR_FGL_PUMP, "FeedingPump3", 160, 420, 35, 35, 0, 4, 10},
    {CT_CNTR_FGL_PUMP, "FeedingPump4", 160, 490, 35, 35, 0, 4, 10},
    {CT_CNTR_FGL_PUMP, "AirLiftFan", 770, 100, 60, 60, 0, 4, 10},
    {CT_CNTR_FGL_PUMP, "CombustionFan", 310, 810, 40, 40, 0, 3, 10},
    {CT_CNTR_FGL_PUMP, "DilutionFan", 200, 770, 70, 70, 0, 4, 10},
}};

constexpr std::array<int, 9> kWindowOrder = {
    CT_VESSEL, CT_DOSE_PUMP, CT_BELT, CT_CNTR_FGL_PUMP, CT_RTRY_WHL, CT_HEAT_ZONE, CT_SPRAY_DRYER, CT_DBF_VALVE, CT_VALVE,
};

}  // namespace

const std::array<PlantDeviceRow, kPlantDeviceCount>& PlantDeviceTable() { return kDevices; }

const std::array<int, 9>& PlantWindowCreationOrder() { return kWindowOrder; }
