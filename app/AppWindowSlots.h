// The windows the application opens but does not build itself: the trend
// window's document, child frame and view, the recipe, shift and
// recipe-range windows, and the loop PID factors dialog. Each is a slot that
// stays empty until its window class exists; a command whose slot is empty
// shows nothing, and the trend template opens no document.
//
// InstallAppWindowSlots (AppWindowSlots.cpp) fills them at start-up: each
// window class adds its line there; it also registers the tag browser with
// the engine. Tests may fill slots with stand-ins before; slots already
// filled are kept.
//
// Threads: user-interface thread.
#pragma once

#include <functional>

#include "platform/Messages.h"
#include "platform/ui/DocTemplate.h"

class CWnd;

// Posted to the open recipe window (no arguments) to bring it to the front.
constexpr UINT WM_RECIPE_TO_FRONT = WM_USER + 2;

struct CAppWindowSlots {
  // The trend window (template 3040): its document, child frame and view.
  CDocTemplate::DocumentFactory trendDocument;
  CDocTemplate::FrameFactory trendFrame;
  CDocTemplate::ViewFactory trendView;
  // Makes the modeless recipe window (bound to the Recipe record set, from
  // its template, without a parent) and shows it; null when it could not
  // be made. The main frame owns the window from then on.
  std::function<CWnd*()> createRecipeWindow;
  // Checks, on the open recipe window, the recipe the PLC holds against
  // the active one.
  std::function<void(CWnd* pRecipeWnd)> verifyPlcRecipe;
  // The modal shift, recipe-range and loop PID factors dialogs.
  std::function<void()> showShiftWindow;
  std::function<void()> showRecipeRangeWindow;
  std::function<void()> showLoopPidFactors;
};

CAppWindowSlots& AppWindowSlots();
// Fills the slots that are still empty with the program's windows and
// registers the tag browser with the engine.
void InstallAppWindowSlots();
