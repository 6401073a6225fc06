// The record windows' dialog templates.
#include "res/RecordWindowResources.h"

#include "platform/Messages.h"
#include "platform/Seams.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

using namespace record_res;

namespace {

constexpr DWORD kResizableStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_CENTER;
constexpr DWORD kFixedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
constexpr DWORD kNumberEdit = ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kTextEdit = ES_AUTOHSCROLL | WS_TABSTOP;

// The rows of the seventeen items: a caption, then edits at the given x.
constexpr int kRowHeight = 13;

void AddItemRows(std::vector<DlgItemTemplate>& items, UINT captionFirst, int x, int cx, int top,
                 std::initializer_list<std::pair<UINT, int>> edits, int editWidth) {
  for (int n = 0; n < kRecipeItemRows; ++n) {
    const int y = top + n * kRowHeight;
    items.push_back(dlg::LText(captionFirst + static_cast<UINT>(n), "", x, y + 2, cx, 8, SS_NOPREFIX));
    for (const auto& [first, ex] : edits)
      items.push_back(dlg::Edit(first + static_cast<UINT>(n), ex, y, editWidth, 12, kNumberEdit));
  }
}

DialogTemplate RecipeTemplate() {
  std::vector<DlgItemTemplate> items = {
      dlg::LText(0, "Recipes:", 7, 7, 150, 8),
      dlg::List(IDC_RECIPE_LIST, 7, 18, 150, 248, LBS_NOINTEGRALHEIGHT),
      dlg::LText(0, "Recipe Name:", 165, 9, 60, 8),
      dlg::Edit(IDC_RECIPE_NAME, 230, 7, 160, 12, kTextEdit),
      dlg::LText(IDC_RECIPE_NUMBER, "", 165, 24, 225, 8, SS_NOPREFIX),
  };
  AddItemRows(items, IDC_RECIPE_CAPTION_FIRST, 165, 160, 40, {{IDC_RECIPE_ITEM_FIRST, 330}}, 60);
  const std::vector<DlgItemTemplate> rest = {
      dlg::GroupBox(IDC_RECIPE_CHECK_GROUP, "PC / PLC Recipe Check", 398, 4, 262, 262),
      dlg::Edit(IDC_RECIPE_REPORT, 405, 16, 248, 224,
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL),
      dlg::PushButton(IDC_RECIPE_VERIFY, "&Verify PLC Recipe", 405, 246, 80, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_DOWNLOAD, "Do&wnload Active Recipe", 553, 246, 100, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_NEW, "&New", 7, 274, 50, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_SAVE, "&Save", 61, 274, 50, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_DELETE, "&Delete", 115, 274, 50, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_ACTIVATE, "&Activate", 169, 274, 50, 14, WS_TABSTOP),
      dlg::PushButton(IDC_RECIPE_CLOSE, "&Close", 610, 274, 50, 14, WS_TABSTOP),
  };
  items.insert(items.end(), rest.begin(), rest.end());
  return dlg::Dialog(IDD_RECIPE, "Recipe", 667, 295, kResizableStyle | WS_MINIMIZEBOX, items);
}

DialogTemplate RecipeRangeTemplate() {
  std::vector<DlgItemTemplate> items = {
      dlg::LText(0, "Recipe item", 7, 7, 170, 8),
      dlg::CText(0, "Minimum", 185, 7, 55, 8),
      dlg::CText(0, "Maximum", 245, 7, 55, 8),
  };
  AddItemRows(items, IDC_RANGE_CAPTION_FIRST, 7, 175, 20,
              {{IDC_RANGE_MIN_FIRST, 185}, {IDC_RANGE_MAX_FIRST, 245}}, 55);
  const std::vector<DlgItemTemplate> rest = {
      dlg::LText(0, "An empty box sets no limit on that side.", 7, 246, 200, 8),
      dlg::DefPushButton(IDOK, "OK", 196, 260, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 250, 260, 50, 14),
  };
  items.insert(items.end(), rest.begin(), rest.end());
  return dlg::Dialog(IDD_RECIPE_RANGE, "Recipe Range", 307, 281, kResizableStyle, items);
}

DialogTemplate ShiftTemplate() {
  struct Row {
    UINT id;
    const char* label;
  };
  static const Row kRows[] = {
      {IDC_SHIFT_OPERATOR, "Operator:"},           {IDC_SHIFT_START, "Start:"},
      {IDC_SHIFT_START_SHAMSI, "Start (Shamsi):"}, {IDC_SHIFT_TOTAL_PRODUCED, "Total produced:"},
      {IDC_SHIFT_TOTAL_SLURRY, "Total slurry:"},   {IDC_SHIFT_TOTAL_TIME, "Total time:"},
      {IDC_SHIFT_USEFUL_TIME, "Useful time:"},
  };
  std::vector<DlgItemTemplate> items = {dlg::GroupBox(0, "Active Shift", 7, 4, 246, 113)};
  int y = 18;
  for (const Row& row : kRows) {
    items.push_back(dlg::LText(0, row.label, 15, y, 70, 8));
    items.push_back(dlg::LText(row.id, "", 90, y, 155, 8, SS_NOPREFIX));
    y += 13;
  }
  items.push_back(dlg::PushButton(IDC_SHIFT_NEW, "&New Shift...", 7, 124, 70, 14, WS_TABSTOP));
  items.push_back(dlg::DefPushButton(IDCANCEL, "&Close", 203, 124, 50, 14));
  return dlg::Dialog(IDD_SHIFT, "Shift", 260, 145, kFixedStyle, items);
}

DialogTemplate NewShiftTemplate() {
  return dlg::Dialog(IDD_NEW_SHIFT, "New Shift", 220, 70, kFixedStyle, {
      dlg::LText(0, "Operator name:", 7, 9, 60, 8),
      dlg::Edit(IDC_NEW_SHIFT_OPERATOR, 70, 7, 143, 12, kTextEdit),
      dlg::LText(0, "The active shift ends and the new one starts now.", 7, 27, 206, 8),
      dlg::DefPushButton(IDOK, "OK", 108, 49, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 163, 49, 50, 14),
  });
}

}  // namespace

void RegisterRecordWindowResources(ResourceTable& table) {
  table.AddDialog(RecipeTemplate());
  table.AddDialog(RecipeRangeTemplate());
  table.AddDialog(ShiftTemplate());
  table.AddDialog(NewShiftTemplate());
}
