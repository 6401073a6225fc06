// The application with its own trend window and record windows: the trend
// window opens with a panel per trend setting and hands the front back to
// the supervise window; its "Supervise" button and the frame's commands
// switch windows; Tables > Recipe opens one recipe window, brought to the
// front the second time; Shift and Recipe Range open their dialogs.
#include <memory>

#include "AppTestSupport.h"
#include "app/ChildTrendFrame.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/ShiftDlg.h"
#include "app/TrendChildDlg.h"
#include "app/VekTrendView.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/VAttrib.h"
#include "platform/ui/Button.h"
#include "platform/ui/Document.h"
#include "res/AppResources.h"
#include "res/RecordWindowResources.h"
#include "res/TrendResources.h"

using namespace app_test;
using namespace app_res;

namespace {

// One trended attribute of no device, so that the trend window opens.
class TrendedAttrib {
 public:
  TrendedAttrib() {
    m_attrib.SetName("Flow");
    m_attrib.SetDataType(VT_R4);
    auto* trend = new CAttribTrendInfo(&m_attrib);
    trend->SetTrendIndex(1);
    trend->SetRecordCount(60);
    trend->SetRecordInterval(1);
    m_attrib.SetTrendInfo(trend);
  }

 private:
  CVAttrib m_attrib{nullptr};
};

class AppWindowsTest : public AppTest {
 protected:
  std::string ActiveTitle() const { return Frame()->GetActiveDocument()->GetTitle(); }
  CVekTrendView* TrendView() const {
    for (CMDIChildWnd* child : Frame()->GetChildFrames())
      if (auto* view = dynamic_cast<CVekTrendView*>(child->GetActiveView())) return view;
    return nullptr;
  }
};

}  // namespace

TEST_F(AppWindowsTest, TheTrendWindowOpensWithItsPanelsBehindTheSuperviseWindow) {
  TrendedAttrib flow;
  ASSERT_TRUE(Start());
  ProcessPendingEvents();  // the trend view's posted 709
  ASSERT_EQ(Frame()->GetChildFrames().size(), 2u);
  EXPECT_EQ(ActiveTitle(), "Supervise");
  CVekTrendView* view = TrendView();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->GetPanelCount(), 1u);
  EXPECT_EQ(view->GetPanel(0)->GetDlgItemText(trend_res::IDC_TREND_DESCRIPTION),
            "Trend Index: 1\r\nRecord Count: 60\r\nRecord Interval: 1 Sec.\r\n");
  EXPECT_NE(dynamic_cast<CChildTrendFrame*>(view->GetParentFrame()), nullptr);

  Command(ID_TREND_FRAME);
  EXPECT_EQ(ActiveTitle(), "Trends");
  dynamic_cast<CButton*>(view->GetDlgItem(trend_res::IDC_TREND_SUPERVISE))->Click();
  EXPECT_EQ(ActiveTitle(), "Supervise");
  Command(ID_TREND_FRAME);
  Command(ID_SUPERVISE_FRAME);  // the menu's command reaches the trend view first
  EXPECT_EQ(ActiveTitle(), "Supervise");

  view->GetParentFrame()->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(Frame()->GetChildFrames().size(), 2u) << "the trend window cannot be closed";
  EXPECT_EQ(boxes.Last().text, "This is not closable!\r\nClose main application instead.");
}

TEST_F(AppWindowsTest, TablesOpenTheRecipeShiftAndRangeWindows) {
  ASSERT_TRUE(Start());
  Command(ID_RECIPE);
  auto* recipe = dynamic_cast<CRecipeDlg*>(Frame()->GetRecipeWindow());
  ASSERT_NE(recipe, nullptr);
  EXPECT_TRUE(recipe->IsWindowVisible());
  EXPECT_EQ(recipe->GetRecipeRS(), nullptr) << "the stand-in plant has no record sets";
  EXPECT_FALSE(recipe->SaveRecipe());
  EXPECT_EQ(boxes.Last().text, "The Recipe table is not open; the recipes cannot be changed.");
  EXPECT_TRUE(login.purposes.empty()) << "nothing to change: no login";
  recipe->SendMessage(WM_COMMAND, MAKEWPARAM(record_res::IDC_RECIPE_CLOSE, BN_CLICKED), 0);
  EXPECT_FALSE(recipe->IsWindowVisible());
  Command(ID_RECIPE);
  ProcessPendingEvents();
  EXPECT_EQ(Frame()->GetRecipeWindow(), recipe) << "the same window, shown again";
  EXPECT_TRUE(recipe->IsWindowVisible());

  std::vector<std::string> opened;
  testing_support::ModalDriverScope driver([&](CDialog& dialog) {
    if (dynamic_cast<CShiftDlg*>(&dialog)) opened.push_back("shift " + dialog.GetDlgItemText(record_res::IDC_SHIFT_OPERATOR));
    if (dynamic_cast<CRecipeRangeDlg*>(&dialog)) opened.push_back("range");
    dialog.EndDialog(IDCANCEL);
  });
  Command(ID_SHIFT);
  Command(ID_RECIPE_RANGE);
  EXPECT_EQ(opened, (std::vector<std::string>{"shift (no active shift)", "range"}));
}
