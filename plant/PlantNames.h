// The plant's fixed names: the six control loops, the twenty-five process
// alarms (in the order of their process-data objects everywhere in the
// program) and the captions of the seventeen recipe items.
// Pure functions and constants; safe from any thread.
#pragma once

#include <array>
#include <string>

constexpr int kLoopCount = 6;
constexpr int kAlarmCount = 25;
constexpr int kRecipeItemCount = 17;

// The loop indexes.
enum eLoopIndex : int {
  LOOP_VACUUM = 0,
  LOOP_SLURRY_PRESSURE = 1,
  LOOP_SLURRY_DILUTION_FAN_RATIO = 2,
  LOOP_INLET_AIR_TEMPERATURE = 3,
  LOOP_DENSITY = 4,
  LOOP_MOISTURE = 5,
};

// "Vacuum" ... "Moisture"; empty above 5.
std::string GetLoopName(unsigned nLoop);
// "AlrmLpVaccum_Devtn" ... "AlrmCriticalTmprSlope"; empty above 24.
std::string GetAlarmName(unsigned nAlarm);

// The captions shown beside recipe items 1-17 (index 0 is item 1), UTF-8.
extern const std::array<const char*, kRecipeItemCount> g_RecipeItemCaptions;
