// The supervise view's rules apart from the window: what a click on a loop
// button leads to, the loop buttons' colours and mode report, the process
// alarms' texts, the status lines, and the pipework's table.
#include <gtest/gtest.h>

#include <set>

#include "app/LoopRules.h"
#include "app/Pipework.h"
#include "app/ProcessAlarms.h"
#include "app/SuperviseStatus.h"
#include "plant/PlantDeviceList.h"

namespace {

TEST(LoopRulesTest, AClickFollowsTheFirstFactThatHolds) {
  const auto decide = [](bool automat, bool shift, bool recipe, bool pending, bool differs, bool ready) {
    return DecideLoopClick({automat, shift, recipe, pending, differs, ready});
  };
  EXPECT_EQ(decide(true, false, false, true, true, false), LoopClick::SwitchToManual) << "manual needs no check";
  EXPECT_EQ(decide(false, false, false, true, true, false), LoopClick::NeedActiveShift);
  EXPECT_EQ(decide(false, true, false, true, true, false), LoopClick::NeedActiveRecipe);
  EXPECT_EQ(decide(false, true, true, true, true, false), LoopClick::RecipeDownloading);
  EXPECT_EQ(decide(false, true, true, false, true, false), LoopClick::RecipeDiffers);
  EXPECT_EQ(decide(false, true, true, false, false, false), LoopClick::NotReady);
  EXPECT_EQ(decide(false, true, true, false, false, true), LoopClick::SwitchToAutomatic);
}

TEST(LoopRulesTest, OnlyTheThreeRefusalsWithABoxHaveItsText) {
  EXPECT_EQ(LoopClickBoxText(LoopClick::NeedActiveShift),
            "Loop Automation Error:\n\nبراي شروع پروسس اتومات، نياز به ثبت شيفت فعال است");
  EXPECT_EQ(LoopClickBoxText(LoopClick::NeedActiveRecipe),
            "Loop Automation Error:\n\nبراي شروع پروسس اتومات، نياز به ثبت فرمول فعال است");
  EXPECT_EQ(LoopClickBoxText(LoopClick::RecipeDownloading),
            "Loop Automation Error:\n\nفرمولاسيون به طور کامل دانلود نشده است. لطفا کمي صبر کنيدو دوباره امتحان کنيد");
  for (LoopClick click : {LoopClick::SwitchToManual, LoopClick::RecipeDiffers, LoopClick::NotReady,
                          LoopClick::SwitchToAutomatic})
    EXPECT_EQ(LoopClickBoxText(click), "");
}

TEST(LoopRulesTest, ButtonColoursFollowPlcControl) {
  const COLORREF mimic = RGB(50, 50, 50);
  EXPECT_EQ(LoopButtonColors(true),
            (std::array<COLORREF, 6>{mimic, RGB(0, 255, 0), mimic, RGB(120, 60, 0), mimic, RGB(120, 60, 0)}));
  EXPECT_EQ(LoopButtonColors(false),
            (std::array<COLORREF, 6>{mimic, RGB(255, 0, 0), mimic, RGB(100, 100, 100), mimic, RGB(100, 100, 100)}));
}

TEST(LoopRulesTest, ModeReportTextAndWhenItIsShown) {
  EXPECT_EQ(LoopModeMessage(0, true), "The [Vacuum] loop became Automat!");
  EXPECT_EQ(LoopModeMessage(5, false), "The [Moisture] loop became Manual!");
  EXPECT_TRUE(ShouldReportLoopMode(true, 31, true));
  EXPECT_FALSE(ShouldReportLoopMode(true, 30, true)) << "the first 30 s are quiet";
  EXPECT_FALSE(ShouldReportLoopMode(false, 100, true)) << "before the main window was shown";
  EXPECT_FALSE(ShouldReportLoopMode(true, 100, false)) << "InPlcCtrl is not reported";
}

// ---- Process alarms ------------------------------------------------------------------------------

TEST(ProcessAlarmsTest, TitlesCarryTheCodeAndEveryAlarmHasText) {
  EXPECT_EQ(ProcessAlarmTitle(0), "AlarmCode: 1, Deviation: Vacuum");
  EXPECT_EQ(ProcessAlarmTitle(24), "AlarmCode: 25, Fire Detection (Critical Delta T Per Min) !!!");
  EXPECT_EQ(ProcessAlarmTitle(-1), "");
  EXPECT_EQ(ProcessAlarmTitle(25), "");
  EXPECT_EQ(ProcessAlarmText(25, {}), "");
  std::set<std::string> titles;
  for (int i = 0; i < kProcessAlarmCount; ++i) {
    titles.insert(ProcessAlarmTitle(i));
    EXPECT_EQ(ProcessAlarmText(i, {}).rfind("آلارم شماره " + std::to_string(i + 1) + "\r\n", 0), 0u) << i;
  }
  EXPECT_EQ(titles.size(), 25u);
}

TEST(ProcessAlarmsTest, ValueLinesCarryThePlantsValues) {
  ProcessAlarmValues v;
  v.fSpt = 350.5f;
  v.fAit = 420.0f;
  v.nCriticalFireTemper = 600;
  v.nCriticalTopTowerTemper = 150;
  v.nCriticalDeltaTPerMin = 12;
  const std::string stop = "\r\nخطر آتش سوزي در برج\r\nفرمان خاموش شدن كوره داده شد\r\n"
                           "\r\nبعد از رفع مشكل در منبع آلارم، براي ادامه كار از منوي كامند، فرمان ريست پروسس را اجرا كنيد";
  EXPECT_EQ(ProcessAlarmText(20, v),
            "آلارم شماره 21\r\nتجاوز دما از حد\r\nSPT: 350.5\r\nحرارت بيش از حد در برج، حرارت کوره کم شود");
  EXPECT_EQ(ProcessAlarmText(21, v), "آلارم شماره 22\r\nتجاوز دما از حد\r\nAIT: 420" + stop);
  EXPECT_EQ(ProcessAlarmText(22, v), "آلارم شماره 23\r\nتجاوز دماي ورودي از حد\r\nCritical Fire Temperature: 600" + stop);
  EXPECT_EQ(ProcessAlarmText(23, v),
            "آلارم شماره 24\r\nتجاوز دماي خروجي از حد\r\nCritical Top Tower Temperature: 150" + stop);
  EXPECT_EQ(ProcessAlarmText(24, v),
            "آلارم شماره 25\r\nتجاوز شيب تغييرات صعودي دما از حد\r\nCritical Delta T Per Min: 12" + stop);
}

TEST(ProcessAlarmsTest, LowInputPressureNamesOnlyThePumpsBelowTwoBar) {
  ProcessAlarmValues v;
  v.fPumpInputPressure = {1.9f, 2.0f, 0.0f};
  EXPECT_EQ(ProcessAlarmText(13, v),
            "آلارم شماره 14\r\nفشار ورودي بمب فشار قوي 1 يعني فشار خروجي از هموزن زير 2 بار است"
            "\r\nفشار ورودي بمب فشار قوي 3 يعني فشار خروجي از هموزن زير 2 بار است");
  v.fPumpInputPressure = {5.0f, 5.0f, 5.0f};
  EXPECT_EQ(ProcessAlarmText(13, v), "آلارم شماره 14");
}

// ---- Status lines ----------------------------------------------------------------------------------

TEST(SuperviseStatusTest, LineTexts) {
  EXPECT_EQ(DataSourceStatusText("Demo"), "DataSource: Demo");
  EXPECT_EQ(OperatorStatusText("Ali"), "Operator: Ali");
  EXPECT_EQ(RecipeStatusText(7, "Std"), "Recipe: 7  Std");
  EXPECT_EQ(NozzleAlarmStatusText(false), "Alarm: ");
  EXPECT_EQ(NozzleAlarmStatusText(true), "Alarm: کرفتکي نازلهاي برج");
  EXPECT_EQ(GeneralAlarmStatusText(true, false), "General Audio Alarm: On, Visual: Off");
  EXPECT_EQ(TowerSafetyAlarmStatusText(false, true), "Tower Safety Audio Alarm: Off, Visual: On");
  EXPECT_EQ(SptAitStatusText(350, 420.5f, false), "SPT: 350, AIT: 420.5  ");
  EXPECT_EQ(SptAitStatusText(0, 0, true), "SPT: 0, AIT: 0  نياز به دانلود فرمول");
}

TEST(SuperviseStatusTest, DataSourceBlinksUnlessRealHwRunsOnAConnectedLink) {
  struct Case {
    bool realHw, suspended, linked, blinks;
  };
  for (const Case& c : {Case{false, false, true, true}, Case{false, false, false, true}, Case{true, true, true, true},
                        Case{true, false, false, true}, Case{true, true, false, true}, Case{true, false, true, false}}) {
    EXPECT_EQ(DataSourceStatusBlinks(c.realHw, c.suspended, c.linked), c.blinks)
        << "Real HW " << c.realHw << ", suspended " << c.suspended << ", link " << c.linked;
  }
}

TEST(SuperviseStatusTest, TowerStateTakesTheFirstThatHolds) {
  TowerStateFacts f;
  EXPECT_EQ(TowerStateStatusText(f), "مسير هواي گرم آماده نيست ") << "the hot-air path first";
  f.bHotAir2Tower = true;
  EXPECT_EQ(TowerStateStatusText(f), "");
  f.bReduceBurner = true;
  EXPECT_EQ(TowerStateStatusText(f), "حرارت کوره کم شود ");
  f.bStopBurner = true;
  EXPECT_EQ(TowerStateStatusText(f), "کوره خاموش شود ");
  f.bFireFighting = true;
  EXPECT_EQ(TowerStateStatusText(f), "آتش نشاني ");
  f.bFireDetected = true;
  EXPECT_EQ(TowerStateStatusText(f), "آتش سوزي در برج ");
  f.bSpraying = true;
  EXPECT_EQ(TowerStateStatusText(f), "سيستم برج درحالت باشش اسلوري مي باشد ");
  f.bReturning = true;
  EXPECT_EQ(TowerStateStatusText(f), "سيستم برج درحالت برکشت مي باشد ");
}

// ---- Pipework -----------------------------------------------------------------------------------------

TEST(PipeworkTest, EveryPrimitiveUsesThePaletteAndEnoughPoints) {
  const size_t pens = PipeworkPens().size();
  const size_t brushes = PipeworkBrushes().size();
  EXPECT_EQ(pens, 9u);
  EXPECT_EQ(brushes, 3u);
  std::set<int> usedPens;
  int lastPen = -1;
  for (const PipePrimitive& p : PipeworkPrimitives()) {
    EXPECT_LT(p.pen, static_cast<int>(pens));
    EXPECT_LT(p.brush, static_cast<int>(brushes));
    const size_t needed = p.kind == PipeKind::Arc ? 4 : p.kind == PipeKind::Polygon ? 3 : 2;
    EXPECT_GE(p.points.size(), needed);
    if (p.kind == PipeKind::Rect || p.kind == PipeKind::Polygon) {
      EXPECT_GE(p.brush, 0) << "filled shapes have a brush";
      EXPECT_EQ(lastPen, -1) << "filled shapes come first";
    } else {
      EXPECT_GE(p.pen, lastPen) << "lines are drawn pen by pen in the palette's order";
      lastPen = p.pen;
      usedPens.insert(p.pen);
    }
  }
  EXPECT_EQ(usedPens.size(), pens) << "every pen of the palette draws something";
}

TEST(PipeworkTest, ThePipeworkLiesInTheMimicsArea) {
  const CRect bounds = PipeworkBounds();
  int right = 0, bottom = 0;
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    right = std::max(right, row.x + row.cx);
    bottom = std::max(bottom, row.y + row.cy);
  }
  EXPECT_GE(bounds.left, 0);
  EXPECT_GE(bounds.top, 0);
  EXPECT_LE(bounds.right, right);
  EXPECT_LE(bounds.bottom, bottom);
}

}  // namespace
