// The plant's device list: the thirty devices of the spray-dryer line with
// their class (control type), device name, place and size in the supervise
// view's client area, option words and style word, in the order the plant
// object creates them. Within a class the rows are in instance order, so a
// device's instance number is its place among the rows of its class.
// Also the order in which the supervise view creates the device windows.
// Constants only; safe from any thread.
#pragma once

#include <array>
#include <string>

#include "platform/WinTypes.h"
#include "shapes/ShapeCreateInfo.h"

struct PlantDeviceRow {
  int controlType;
  const char* name;
  int x, y, cx, cy;
  int option1;
  int option2;
  DWORD style;

  ShapeCreateInfo CreateInfo() const { return ShapeCreateInfo(style, x, y, cx, cy, option1, option2, name); }
};

constexpr int kPlantDeviceCount = 30;

// The rows in creation order: tower, vessels, belt, heat zone, diverter
// valves, valve, wheels, dosing pumps, centrifugal machines.
const std::array<PlantDeviceRow, kPlantDeviceCount>& PlantDeviceTable();

// The spray-dryer tower's nozzle grid: rows and columns.
constexpr int kTowerNozzleRows = 4;
constexpr int kTowerNozzleCols = 5;

// The classes in the order the supervise view creates their windows:
// vessels, dosing pumps, belt, centrifugal machines, wheels, heat zone,
// tower, diverter valves, valve.
const std::array<int, 9>& PlantWindowCreationOrder();
