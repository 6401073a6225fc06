#include "platform/ui/DialogItems.h"

#include <QWidget>
#include <map>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"

namespace {

std::map<std::string, WindowFactory>& Factories() {
  static std::map<std::string, WindowFactory> factories;
  return factories;
}

std::unique_ptr<CWnd> MakeControl(const DlgItemTemplate& item) {
  switch (item.itemClass) {
    case DlgItemClass::Button: return std::make_unique<CButton>();
    case DlgItemClass::Static: return std::make_unique<CStatic>();
    case DlgItemClass::Edit: return std::make_unique<CEdit>();
    case DlgItemClass::ComboBox: return std::make_unique<CComboBox>();
    case DlgItemClass::ListBox: return std::make_unique<CListBox>();
    case DlgItemClass::ScrollBar: return std::make_unique<CScrollBar>();
    case DlgItemClass::Slider: return std::make_unique<CSliderCtrl>();
    case DlgItemClass::Spin: return std::make_unique<CSpinButtonCtrl>();
    case DlgItemClass::Tab: return std::make_unique<CTabCtrl>();
    case DlgItemClass::Custom: {
      auto it = Factories().find(item.className);
      if (it != Factories().end() && it->second) return it->second();
      return std::make_unique<CWnd>();
    }
  }
  return std::make_unique<CWnd>();
}

}  // namespace

void RegisterWindowClass(const std::string& className, WindowFactory factory) {
  Factories()[className] = std::move(factory);
}

CRect DialogItemRect(const DlgItemTemplate& item, int pointSize) {
  return DialogUnitsToPixels(CRect(item.x, item.y, item.x + item.cx, item.y + item.cy), pointSize);
}

bool CreateDialogItems(CWnd* parent, const DialogTemplate& dialog, CFont* font,
                       std::vector<std::unique_ptr<CWnd>>* owned) {
  bool all = true;
  for (const DlgItemTemplate& item : dialog.items) {
    std::unique_ptr<CWnd> control = MakeControl(item);
    CRect rect = DialogItemRect(item, dialog.pointSize);
    if (item.itemClass == DlgItemClass::ComboBox) {
      // The template height holds the dropped list; the box itself is one line high.
      rect.bottom = rect.top + std::min(rect.Height(), DialogUnitsToPixelsY(14, dialog.pointSize));
    }
    if (!control->Create(item.text, item.style | WS_CHILD, rect, parent, item.id)) {
      all = false;
      continue;
    }
    if (font) control->SetFont(font, FALSE);
    owned->push_back(std::move(control));
  }
  return all;
}
