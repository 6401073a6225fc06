#include "plant/PlantNames.h"

namespace {

constexpr std::array<const char*, kLoopCount> kLoopNames = {
    "Vacuum", "SlurryPressure", "SlurryDilutionFanRatio", "InletAirTemperature", "Density", "Moisture",
};

constexpr std::array<const char*, kAlarmCount> kAlarmNames = {
    "AlrmLpVaccum_Devtn",     "AlrmLpSlrryPrss_Devtn",  "AlrmLpInletFan_Devtn",   "AlrmLpInletTmpr_Devtn",
    "AlrmLpDensity_Devtn",    "AlrmLpMoisture_Devtn",   "AlrmLpVaccum_NotRdy",    "AlrmLpSlrryPrss_NotRdy",
    "AlrmLpInletFan_NotRdy",  "AlrmLpInletTmpr_NotRdy", "AlrmLpDensity_NotRdy",   "AlrmLpMoisture_NotRdy",
    "AlrmLpInletFan_NoCndtn", "AlrmLpSlrryPrss_LwPrs",  "AlrmLpSlrryPrss_NzlBlc", "AlrmOutTemperLL",
    "AlrmOutTemperHL",        "AlrmNoTotalInterLock",   "AlrmRtnVlvOpen",         "AlrmProductionReduced",
    "AlrmReduceBurner",       "AlrmStopBurner",         "AlrmCriticalInletTmpr",  "AlrmCriticalTopTmpr",
    "AlrmCriticalTmprSlope",
};

}  // namespace

const std::array<const char*, kRecipeItemCount> g_RecipeItemCaptions = {
    "Powder Moisture - %",
    "Powder Dencity - Gr/Lit",
    "Slurry Pressure - bar",
    "Vacuum - mmH2o",
    "Inlet Temperature - \u00B0C",
    "Pressure Adj. For Density - bar",
    "Vacuum Adj. For Moisture - mmH2o",
    "Inlet Tempr Adj. For Moisture - \u00B0C",
    "Slurry Prssur Nozzl Blocking - bar",
    "Min-Total Slurry To Tower - Kg/h",
    "Min-Inlet Fan - %",
    "Normal-Total Slurry To Tower - Kg/h",
    "Normal-Inlet Fan - %",
    "Max-Total Slurry To Tower - Kg/h",
    "Max-Inlet Fan - %",
    "SPT: Safe Process Temperature - \u00B0C",
    "AIT: Auto Ignition Temperature - \u00B0C",
};

std::string GetLoopName(unsigned nLoop) { return nLoop < kLoopNames.size() ? kLoopNames[nLoop] : ""; }

std::string GetAlarmName(unsigned nAlarm) { return nAlarm < kAlarmNames.size() ? kAlarmNames[nAlarm] : ""; }
