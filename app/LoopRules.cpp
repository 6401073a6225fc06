#include "app/LoopRules.h"

#include "core/VekUtils.h"
#include "plant/PlantNames.h"
#include "shapes/ShapeTypes.h"

namespace {

const char* const kNeedShift = "براي شروع پروسس اتومات، نياز به ثبت شيفت فعال است";
const char* const kNeedRecipe = "براي شروع پروسس اتومات، نياز به ثبت فرمول فعال است";
const char* const kRecipeNotDownloaded = "فرمولاسيون به طور کامل دانلود نشده است. لطفا کمي صبر کنيدو دوباره امتحان کنيد";

}  // namespace

LoopClick DecideLoopClick(const LoopClickFacts& facts) {
  if (facts.bInAutomat) return LoopClick::SwitchToManual;
  if (!facts.bActiveShift) return LoopClick::NeedActiveShift;
  if (!facts.bActiveRecipe) return LoopClick::NeedActiveRecipe;
  if (facts.bRecipeWritePending) return LoopClick::RecipeDownloading;
  if (facts.bRecipeDiffers) return LoopClick::RecipeDiffers;
  if (!facts.bReady) return LoopClick::NotReady;
  return LoopClick::SwitchToAutomatic;
}

std::string LoopClickBoxText(LoopClick click) {
  const char* reason = nullptr;
  switch (click) {
    case LoopClick::NeedActiveShift:
      reason = kNeedShift;
      break;
    case LoopClick::NeedActiveRecipe:
      reason = kNeedRecipe;
      break;
    case LoopClick::RecipeDownloading:
      reason = kRecipeNotDownloaded;
      break;
    default:
      return {};
  }
  return std::string(kLoopErrorTitle) + ":\n\n" + reason;
}

std::array<COLORREF, 6> LoopButtonColors(bool bInPlcCtrl) {
  const COLORREF mimic = MIMIC_BG_COLOR;
  const COLORREF text = bInPlcCtrl ? RGB(0, 255, 0) : RGB(255, 0, 0);
  const COLORREF other = bInPlcCtrl ? RGB(120, 60, 0) : RGB(100, 100, 100);
  return {mimic, text, mimic, other, mimic, other};
}

std::string LoopModeMessage(int nLoop, bool bAutomat) {
  return FormatText("The [%s] loop became %s!", GetLoopName(static_cast<unsigned>(nLoop)).c_str(),
                    bAutomat ? "Automat" : "Manual");
}

bool ShouldReportLoopMode(bool bMainWndShown, unsigned nEngineSeconds, bool bInAutomatChanged) {
  return bMainWndShown && nEngineSeconds > 30 && bInAutomatChanged;
}
