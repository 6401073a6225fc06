#include "app/VekFrameView.h"

#include "app/MainFrmBase.h"
#include "app/VekPlant.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/WinApp.h"
#include "res/AppResources.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"

namespace {

using namespace app_res;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr UINT kBlinkMs = 333;

// Labels that show process values: their own face at 10 pt, bold, yellow,
// on the mimic.
constexpr UINT kValueLabels[] = {1113, 1114, 1115, 1117, 1118, 1119, 1127, 1112, 1109, 1110,
                                 1111, 1102, 1107, 1108, 1120, 1121, 1122, 1123, 1124, 1125,
                                 1126, 1116, 1104, 1103, 1105, 1106, 1137, 1128, 1129};
// Status lines in yellow bold on the mimic.
constexpr UINT kStatusLabels[] = {IDC_STATUS_DATA_SOURCE, IDC_STATUS_OPERATOR,  IDC_STATUS_RECIPE,
                                  IDC_STATUS_MESSAGE_1,   IDC_STATUS_MESSAGE_3, IDC_STATUS_MESSAGE_4,
                                  IDC_STATUS_MESSAGE_2};

void SetupStatusLabel(CLumLabel* label, COLORREF text) {
  if (!label) return;
  label->SetTransparent(TRUE);
  label->SetTextColor(text);
  label->SetFontBold(TRUE);
}

}  // namespace

CVekFrameView::CVekFrameView() : CFormView(IDD_SUPERVISE_FORM) {}
CVekFrameView::~CVekFrameView() = default;

BOOL CVekFrameView::PreCreateWindow(CREATESTRUCT& cs) {
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  cs.style &= ~WS_BORDER;
  return CFormView::PreCreateWindow(cs);
}

int CVekFrameView::OnCreate() {
  if (CFormView::OnCreate() == -1) return -1;
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  IVekPlant* plant = GetVekPlant();
  // The view receives the engine's notices from now on; its workers start.
  if (!engine || !engine->SetMainWnd(this)) return -1;
  if (plant && !plant->CreateDeviceShapes(this)) return -1;
  // The record sets now post their notices to this view.
  if (!engine->OpenTables()) {
    PostQuitMessage(1);
    return -1;
  }
  if (plant && !plant->AttachProcessData(this)) return -1;
  return 0;
}

void CVekFrameView::OnDestroy() {
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->ShutDown();
  CFormView::OnDestroy();
}

// ---- Initial update ---------------------------------------------------------------------------

void CVekFrameView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  ResizeParentToFit(TRUE);
  BindControls();
  SetupLooks();
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->SetDataSourceType(CVekEngineBase::eDataSourceDemo);
  SetTimer(kStatusTimer, kStatusPeriodMs);
  RefreshStatus();
  C_BaseShape::CheckDuplicatedDeviceNames();
}

void CVekFrameView::BindControls() {
  if (!m_labels.empty()) return;
  m_groupStatus.SubclassDlgItem(IDC_GROUP_STATUS, this);
  m_groupLoops.SubclassDlgItem(IDC_GROUP_LOOPS, this);
  for (int i = 0; i < kLoopCount; ++i) m_loopButtons[i].SubclassDlgItem(kLoopButtonIds[i], this);
  const DialogTemplate* form = ResourceTable::Instance().FindDialog(IDD_SUPERVISE_FORM);
  if (!form) return;
  for (const DlgItemTemplate& item : form->items) {
    if (item.itemClass != DlgItemClass::Static) continue;
    auto label = std::make_unique<CLumLabel>();
    if (label->SubclassDlgItem(item.id, this)) m_labels.emplace_back(item.id, std::move(label));
  }
}

CLumLabel* CVekFrameView::GetLabel(UINT nId) const {
  for (const auto& [id, label] : m_labels)
    if (id == nId) return label.get();
  return nullptr;
}

void CVekFrameView::SetupLooks() {
  if (CLumLabel* caption = GetLabel(IDC_CAPTION_LABEL)) {
    caption->SetLabelFont(-1, TRUE, FALSE, "Brightoak");
    caption->SetTextColor(RGB(196, 196, 0));
    caption->SetBkColor(C_BaseShape::GetMimicBgColor());
    caption->SetGradientColor(RGB(100, 0, 0));
    caption->SetGradientVertical(TRUE);
    caption->SetBlinkColor(RGB(0, 0, 0));
    caption->SetBlink(TRUE, kBlinkMs, 3);
  }
  for (UINT id : kValueLabels) {
    if (CLumLabel* label = GetLabel(id)) {
      label->SetLabelFont(10, TRUE, FALSE, "");
      label->SetTextColor(kYellow);
      label->SetTransparent(TRUE);
    }
  }
  SetupGroupBox(&m_groupStatus);
  SetupGroupBox(&m_groupLoops);

  LOGFONT lf{};
  if (CFont* font = GetDialogFont()) font->GetLogFont(&lf);
  lf.lfWeight = FW_BOLD;
  m_fontBold.DeleteObject();
  m_fontBold.CreateFontIndirect(&lf);
  for (CButtonQM& button : m_loopButtons) {
    button.SetButtonCursor(static_cast<int>(IDC_LOOP_BUTTON));
    button.SetFont(&m_fontBold);
    button.SetIcon(static_cast<int>(IDI_LOOP_BUTTON_HOT), static_cast<int>(page_res::IDI_LAMP_DARK));
    button.SetDrawBorder(FALSE);
  }

  for (UINT id : kStatusLabels) SetupStatusLabel(GetLabel(id), kYellow);
  if (CLumLabel* message2 = GetLabel(IDC_STATUS_MESSAGE_2)) {
    message2->SetBlinkColor(C_BaseShape::GetMimicBgColor());
    message2->SetBlink(TRUE, kBlinkMs, 0);
  }
  if (CLumLabel* message5 = GetLabel(IDC_STATUS_MESSAGE_5)) {
    SetupStatusLabel(message5, RGB(255, 80, 80));
    message5->SetBlinkColor(C_BaseShape::GetMimicBgColor());
  }
}

// ---- Status ----------------------------------------------------------------------------------------

void CVekFrameView::RefreshStatus() {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  CLumLabel* source = GetLabel(IDC_STATUS_DATA_SOURCE);
  if (!engine || !source) return;
  source->SetText("DataSource: " + engine->GetDataSourceText());
  // Anything but a running Real HW source is worth the operator's eye.
  const bool bBlink = !engine->IsRealHwSource() || engine->IsDataObtainerSuspended();
  source->SetBlinkColor(C_BaseShape::GetMimicBgColor());
  source->SetBlink(bBlink ? TRUE : FALSE, kBlinkMs, 0);
}

void CVekFrameView::OnTimer(UINT_PTR id) {
  if (id == kStatusTimer) RefreshStatus();
  CFormView::OnTimer(id);
}

// ---- Painting --------------------------------------------------------------------------------------

void CVekFrameView::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(client, C_BaseShape::GetMimicBgColor());
}

BOOL CVekFrameView::OnEraseBkgnd(CDC*) { return TRUE; }  // the paint pass covers the whole client area

// ---- Commands ----------------------------------------------------------------------------------------

BOOL CVekFrameView::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (id == ID_TREND_FRAME) {
    if (auto* frame = dynamic_cast<CMainFrmBase*>(AfxGetMainWnd())) frame->ShowTrendFrame();
    return TRUE;
  }
  if (id == ID_FILE_CLOSE) {
    AfxMessageBox(kNotClosableText, MB_OK | MB_ICONSTOP);
    return TRUE;
  }
  if (id == ID_FILE_PRINT || id == ID_FILE_PRINT_DIRECT) {
    OnFilePrint();
    return TRUE;
  }
  for (int i = 0; i < kLoopCount; ++i) {
    if (id != kLoopButtonIds[i] || lParam == 0) continue;
    OnLoopButton(i);
    return TRUE;
  }
  return CFormView::OnCommand(wParam, lParam);
}

void CVekFrameView::OnLoopButton(int nLoop) {
  // Without the plant's loop objects no loop can run automatically: the
  // button stays as it was.
  m_loopButtons[nLoop].SetCheck(0);
}
