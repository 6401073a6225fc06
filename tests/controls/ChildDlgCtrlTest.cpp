#include <gtest/gtest.h>

#include "controls/ChildDlgCtrl.h"
#include "platform/ui/ResourceTable.h"

namespace {

constexpr UINT kPanelTemplate = 9980;

class Panel : public CChildDlgCtrl {
 public:
  UINT GetDialogTemplateId() const override { return kPanelTemplate; }
  bool initialised = false;

 protected:
  BOOL OnInitDialog() override {
    initialised = true;
    return CChildDlgCtrl::OnInitDialog();
  }
};

class NoTemplate : public CChildDlgCtrl {
 public:
  UINT GetDialogTemplateId() const override { return 9989; }
};

TEST(ChildDlgCtrlTest, MadeAsAChildAtItsPositionWithItsId) {
  DialogTemplate t;
  t.id = kPanelTemplate;
  t.caption = "panel";
  t.cx = 100;
  t.cy = 40;
  t.style = WS_POPUP | WS_CAPTION;  // made a child anyway
  t.items = {dlg::PushButton(4016, "&Print", 5, 5, 40, 14)};
  ResourceTable::Instance().AddDialog(t);

  CWnd host;
  host.Create("host", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0);
  Panel panel;
  ASSERT_TRUE(panel.CreateChild(&host, CPoint(10, 5), 1003, CPoint(0, 20)));
  EXPECT_TRUE(panel.initialised);
  EXPECT_EQ(panel.GetParent(), &host);
  EXPECT_EQ(host.GetDlgItem(1003), &panel);
  EXPECT_EQ(panel.GetChildId(), 1003u);
  EXPECT_EQ(panel.GetChildParent(), &host);
  EXPECT_TRUE(panel.IsWindowVisible());
  CRect r;
  panel.GetWindowRect(&r);
  host.ScreenToClient(&r);
  EXPECT_EQ(r.TopLeft(), CPoint(10, 25));
  EXPECT_NE(panel.GetDlgItem(4016), nullptr);

  NoTemplate missing;
  EXPECT_FALSE(missing.CreateChild(&host, CPoint(0, 0), 1004));
  Panel orphan;
  EXPECT_FALSE(orphan.CreateChild(nullptr, CPoint(0, 0), 1005));
}

}  // namespace
