// Documents, views, scrolling views and form views.
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

#include "platform/Seams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/DialogItems.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/Font.h"
#include "platform/ui/FormView.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PrintPreview.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SysColors.h"

// ---- CDocument ----------------------------------------------------------------------------

CDocument::CDocument() = default;

CDocument::~CDocument() {
  for (CView* view : m_views) view->SetDocument(nullptr);
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  // Destroying the frames destroys the views, which leave the list.
  std::vector<CFrameWnd*> frames;
  for (CView* view : m_views)
    if (CFrameWnd* frame = view->GetParentFrame(); frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
      frames.push_back(frame);
  for (CFrameWnd* frame : frames) frame->DestroyWindow();
  DeleteContents();
  if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);  // deletes this document
}

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  for (CView* view : m_views)
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::AddView(CView* view) {
  if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
  if (view) view->SetDocument(this);
}

void CDocument::RemoveView(CView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

POSITION CDocument::GetFirstViewPosition() const {
  return m_views.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t{1});
}

CView* CDocument::GetNextView(POSITION& position) const {
  const auto index = reinterpret_cast<std::uintptr_t>(position) - 1;
  if (position == nullptr || index >= m_views.size()) {
    position = nullptr;
    return nullptr;
  }
  position = index + 1 < m_views.size() ? reinterpret_cast<POSITION>(index + 2) : nullptr;
  return m_views[index];
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, void* hintObject) {
  for (CView* view : std::vector<CView*>(m_views))
    if (view != sender) view->OnUpdate(sender, hint, hintObject);
}

// ---- CView ----------------------------------------------------------------------------------

CView::CView() = default;

CView::~CView() {
  if (m_pDocument) m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
  for (QWidget* w = GetWidget() ? GetWidget()->parentWidget() : nullptr; w; w = w->parentWidget())
    if (auto* frame = dynamic_cast<CFrameWnd*>(FromWidget(w))) return frame;
  return nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
void CView::OnUpdate(CView*, LPARAM, void*) { Invalidate(TRUE); }
void CView::OnActivateView(BOOL, CView*, CView*) {}
void CView::OnDraw(CDC*) {}
void CView::OnPrepareDC(CDC*, CPrintInfo*) {}
BOOL CView::OnPreparePrinting(CPrintInfo*) { return TRUE; }
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* dc, CPrintInfo*) { OnDraw(dc); }
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}

void CView::PostNcDestroy() {
  if (m_pDocument) m_pDocument->RemoveView(this);
  m_pDocument = nullptr;
  if (m_bAutoDelete) delete this;
}

BOOL CView::PrintJobPages(CPrintJob& job) {
  CPrintInfo info;
  if (!OnPreparePrinting(&info)) {
    job.AbortDoc();
    return FALSE;
  }
  for (UINT page = 1; page <= info.GetMaxPage(); ++page) {
    CDC* dc = job.StartPage();
    if (!dc) {
      job.AbortDoc();
      return FALSE;
    }
    info.m_nCurPage = page;
    info.m_rectDraw = CRect(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES));
    if (page == 1) OnBeginPrinting(dc, &info);
    OnPrepareDC(dc, &info);
    OnPrint(dc, &info);
    job.EndPage();
  }
  OnEndPrinting(nullptr, &info);
  return job.EndDoc();
}

namespace {

// The box of a printout that could not be started or written, naming the
// file or the printer (where its name is known).
void TellPrintFailure(bool started, bool toFile, const std::string& where) {
  AfxMessageBox("The printout could not be " + std::string(started ? "written" : "started") + ": " +
                    (toFile ? "the file " + where + " cannot be written."
                            : "the printer " + (where.empty() ? "" : where + " ") + "is not available."),
                MB_ICONEXCLAMATION);
}

}  // namespace

BOOL CView::OnFilePrint() {
  const std::string title = m_pDocument ? m_pDocument->GetTitle() : std::string("View");
  CPrintDialog dialog(title, this);
  if (dialog.DoModal() != IDOK) return FALSE;
  CPrintJob job;
  const bool started = dialog.StartJob(job, title, false);
  if (started && PrintJobPages(job)) return TRUE;
  // A PDF file is opened only with the first page, so a file that cannot
  // be written fails there and is told as well; a printout the view itself
  // refused (OnPreparePrinting) says nothing here.
  if (started && !job.HasFailed()) return FALSE;
  const bool toFile = dialog.IsPrintToPdf();
  TellPrintFailure(started, toFile, toFile ? dialog.GetPdfPath() : dialog.GetDeviceName());
  return FALSE;
}

BOOL CView::OnFilePrintDirect() {
  CPrintJob job;
  const std::string title = m_pDocument ? m_pDocument->GetTitle() : std::string("View");
  if (!job.StartPrinter(title)) {
    AfxMessageBox("No printer is available.", MB_ICONEXCLAMATION);
    return FALSE;
  }
  if (PrintJobPages(job)) return TRUE;
  // As with the print dialog: a printer or file that fails is told.
  if (job.HasFailed()) TellPrintFailure(true, !job.GetOutputPath().empty(), job.GetOutputPath());
  return FALSE;
}

BOOL CView::OnFilePrintPreview() {
  const std::string title = m_pDocument ? m_pDocument->GetTitle() : std::string("View");
  CPrintJob job;
  if (!job.StartImages(title) || !PrintJobPages(job)) return FALSE;
  CPrintPreviewDlg preview(job.TakePageImages(), title, this);
  if (preview.DoModal() != IDOK) return FALSE;
  return OnFilePrint();
}

BOOL CView::PrintToPdf(const std::string& path) {
  CPrintJob job;
  if (!job.StartPdf(path, m_pDocument ? m_pDocument->GetTitle() : std::string("View"))) return FALSE;
  return PrintJobPages(job);
}

// ---- CScrollView ------------------------------------------------------------------------------

CScrollView::CScrollView() = default;
CScrollView::~CScrollView() = default;

int CScrollView::OnCreate() {
  UpdateBars();
  return CView::OnCreate();
}

void CScrollView::SetScrollSizes(int, CSize total, CSize page, CSize line) {
  m_totalSize = total;
  m_pageSize = page.cx > 0 && page.cy > 0 ? page : CSize(total.cx / 10, total.cy / 10);
  m_lineSize = line.cx > 0 && line.cy > 0 ? line : CSize(std::max(1, total.cx / 100), std::max(1, total.cy / 100));
  UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const { return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)); }

void CScrollView::UpdateBars() {
  if (!GetWidget() || (m_totalSize.cx <= 0 && m_totalSize.cy <= 0)) return;
  const CPoint before = GetScrollPosition();
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  int width = GetWidget()->width();
  int height = GetWidget()->height();
  bool needH = m_totalSize.cx > width;
  bool needV = m_totalSize.cy > height;
  if (needH) height -= bar;
  if (needV) width -= bar;
  needH = m_totalSize.cx > width;
  needV = m_totalSize.cy > height;
  for (int which : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = (which == SB_HORZ ? m_totalSize.cx : m_totalSize.cy) - 1;
    info.nPage = static_cast<UINT>(std::max(0, which == SB_HORZ ? width : height));
    SetScrollInfo(which, &info);
  }
  // A larger window may leave the view scrolled past the end.
  const CPoint after = GetScrollPosition();
  if (after != before) ScrollWindow(before.x - after.x, before.y - after.y);
}

void CScrollView::ScrollBy(int which, int target) {
  const int old = GetScrollPos(which);
  SetScrollPos(which, std::clamp(target, 0, GetScrollLimit(which)));
  const int now = GetScrollPos(which);
  if (now == old) return;
  if (which == SB_HORZ) ScrollWindow(old - now, 0);
  else ScrollWindow(0, old - now);
}

void CScrollView::ScrollToPosition(CPoint position) {
  ScrollBy(SB_HORZ, position.x);
  ScrollBy(SB_VERT, position.y);
}

static int ScrollTarget(UINT code, UINT pos, int current, int page, int line, int limit) {
  switch (code) {
    case SB_LINEUP: return current - line;
    case SB_LINEDOWN: return current + line;
    case SB_PAGEUP: return current - page;
    case SB_PAGEDOWN: return current + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<int>(pos);
    case SB_TOP: return 0;
    case SB_BOTTOM: return limit;
    default: return current;
  }
}

void CScrollView::OnHScroll(UINT code, UINT pos, CScrollBar*) {
  CRect client;
  GetClientRect(&client);
  ScrollBy(SB_HORZ, ScrollTarget(code, pos, GetScrollPos(SB_HORZ), std::max(1, client.Width()), m_lineSize.cx, GetScrollLimit(SB_HORZ)));
}

void CScrollView::OnVScroll(UINT code, UINT pos, CScrollBar*) {
  CRect client;
  GetClientRect(&client);
  ScrollBy(SB_VERT, ScrollTarget(code, pos, GetScrollPos(SB_VERT), std::max(1, client.Height()), m_lineSize.cy, GetScrollLimit(SB_VERT)));
}

BOOL CScrollView::OnMouseWheel(UINT, short delta, CPoint) {
  ScrollBy(SB_VERT, GetScrollPos(SB_VERT) - delta / WHEEL_DELTA * 3 * std::max(1, m_lineSize.cy));
  return TRUE;
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
  UpdateBars();
  CView::OnSize(type, cx, cy);
}

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
  if (dc && !dc->IsPrinting()) {
    const CPoint pos = GetScrollPosition();
    dc->SetViewportOrg(-pos.x, -pos.y);
  }
  CView::OnPrepareDC(dc, info);
}

void CScrollView::ResizeParentToFit(BOOL shrinkOnly) {
  CFrameWnd* frame = GetParentFrame();
  if (!frame || !GetWidget()) return;
  QWidget* outer = frame->GetWidget();
  if (auto* child = dynamic_cast<CMDIChildWnd*>(frame); child && child->SubWindow()) outer = child->SubWindow();
  const int dx = m_totalSize.cx - GetWidget()->width();
  const int dy = m_totalSize.cy - GetWidget()->height();
  int w = outer->width() + dx;
  int h = outer->height() + dy;
  if (shrinkOnly) {
    w = std::min(w, outer->width());
    h = std::min(h, outer->height());
  }
  outer->resize(std::max(w, 1), std::max(h, 1));
}

// ---- CFormView ---------------------------------------------------------------------------------

CFormView::CFormView(UINT templateId) : m_nIDTemplate(templateId) {}
CFormView::~CFormView() = default;

int CFormView::OnCreate() {
  const DialogTemplate* t = ResourceTable::Instance().FindDialog(m_nIDTemplate);
  if (!t) return -1;
  m_pFont = std::make_unique<CFont>();
  m_pFont->CreatePointFont(t->pointSize * 10, t->fontFace);
  SetFont(m_pFont.get(), FALSE);
  CreateDialogItems(this, *t, m_pFont.get(), &m_templateControls);
  const CRect size = DialogUnitsToPixels(CRect(0, 0, t->cx, t->cy), t->pointSize);
  SetScrollSizes(MM_TEXT, CSize(size.Width(), size.Height()));
  return CScrollView::OnCreate();
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::DoDataExchange(CDataExchange*) {}

BOOL CFormView::UpdateData(BOOL saveAndValidate) {
  return RunDataExchange(this, saveAndValidate, [this](CDataExchange* dx) { DoDataExchange(dx); });
}
