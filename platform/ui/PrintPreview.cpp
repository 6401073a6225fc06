#include "platform/ui/PrintPreview.h"

#include <QImage>
#include <QPainter>

#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/ResourceTemplates.h"

namespace {

// The dialog's layout in dialog units: the page above, the buttons below.
constexpr int kWidth = 300;
constexpr int kHeight = 380;
constexpr int kButtonsY = kHeight - 20;
const CRect kPageRect(7, 7, kWidth - 7, kButtonsY - 6);
constexpr COLORREF kBackground = RGB(128, 128, 128);

}  // namespace

// The current page, scaled to the window and centred on a grey ground.
class CPrintPreviewDlg::CPageView : public CWnd {
 public:
  void SetPage(const CBitmap* page) {
    m_pPage = page;
    Invalidate(FALSE);
  }

 protected:
  void OnPaint() override {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, kBackground);
    QPainter* painter = dc.GetPainter();
    const QImage* image = m_pPage ? m_pPage->GetImage() : nullptr;
    if (!painter || !image || image->isNull() || client.Width() <= 8 || client.Height() <= 8) return;
    const QSize fitted = image->size().scaled(client.Width() - 8, client.Height() - 8, Qt::KeepAspectRatio);
    const QRect target((client.Width() - fitted.width()) / 2, (client.Height() - fitted.height()) / 2,
                       fitted.width(), fitted.height());
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(target, *image);
    painter->restore();
  }

 private:
  const CBitmap* m_pPage = nullptr;
};

CPrintPreviewDlg::CPrintPreviewDlg(std::vector<std::unique_ptr<CBitmap>> pages, const std::string& title,
                                   CWnd* parent)
    : m_pages(std::move(pages)), m_strTitle(title) {
  m_pParentWnd = parent;
}

CPrintPreviewDlg::~CPrintPreviewDlg() = default;

const CBitmap* CPrintPreviewDlg::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)].get() : nullptr;
}

BOOL CPrintPreviewDlg::CreateDialogWindow(CWnd* parent, bool modal) {
  std::vector<DlgItemTemplate> items = {
      dlg::DefPushButton(IDOK, "&Print", 7, kButtonsY, 50, 14),
      dlg::PushButton(kPrevPage, "< Pre&v Page", 62, kButtonsY, 55, 14),
      dlg::PushButton(kNextPage, "&Next Page >", 122, kButtonsY, 55, 14),
      dlg::LText(kPageText, "", 183, kButtonsY + 3, 55, 8),
      dlg::PushButton(IDCANCEL, "&Close", kWidth - 57, kButtonsY, 50, 14)};
  const std::string caption = m_strTitle.empty() ? "Print Preview" : m_strTitle + " - Print Preview";
  return CreateFromTemplate(dlg::Dialog(0, caption, kWidth, kHeight,
                                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                                        std::move(items)),
                            parent, modal);
}

BOOL CPrintPreviewDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CRect area = kPageRect;
  MapDialogRect(&area);
  m_pageView = std::make_unique<CPageView>();
  m_pageView->Create("", WS_CHILD | WS_VISIBLE, area, this, kPageView);
  ShowPage(0);
  return TRUE;
}

BOOL CPrintPreviewDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (HIWORD(wParam) == BN_CLICKED && (id == kPrevPage || id == kNextPage)) {
    ShowPage(m_nPage + (id == kNextPage ? 1 : -1));
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CPrintPreviewDlg::ShowPage(int index) {
  const int count = GetPageCount();
  m_nPage = count == 0 ? 0 : std::max(0, std::min(index, count - 1));
  if (m_pageView) m_pageView->SetPage(GetPage(m_nPage));
  if (CWnd* prev = GetDlgItem(static_cast<int>(kPrevPage))) prev->EnableWindow(m_nPage > 0 ? TRUE : FALSE);
  if (CWnd* next = GetDlgItem(static_cast<int>(kNextPage))) next->EnableWindow(m_nPage + 1 < count ? TRUE : FALSE);
  if (CWnd* print = GetDlgItem(IDOK)) print->EnableWindow(count > 0 ? TRUE : FALSE);
  SetDlgItemText(static_cast<int>(kPageText),
                 count == 0 ? std::string("No page") : "Page " + std::to_string(m_nPage + 1) + " of " +
                                                           std::to_string(count));
}
