#include "app/VekFrameView.h"

#include "app/MainFrmBase.h"
#include "app/ProcessAlarms.h"
#include "app/RecordEdits.h"
#include "app/SuperviseStatus.h"
#include "app/VekPlant.h"
#include "attrib/AttribLabel.h"
#include "attrib/AttribTypes.h"
#include "controls/BalloonHelp.h"
#include "core/CoreMessages.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/PlantRules.h"
#include "plant/RecipeCheck.h"
#include "plant/VekEngineApp.h"
#include "platform/Seams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Icons.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/WinApp.h"
#include "records/TableNotice.h"
#include "res/AppResources.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"
#include "app/Pipework.h"

namespace {

using namespace app_res;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr UINT kBlinkMs = 333;
constexpr UINT kBalloonOptions = CBalloonHelp::kDefaultOptions;
constexpr UINT kLoopBalloonMs = 3000;
constexpr UINT kAlarmBalloonMs = 5000;
// The alarm whose acknowledgement the nozzle line shows: nozzle blocking.
constexpr int kNozzleBlockingAlarm = 14;

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

void SetLabelText(CLumLabel* label, const std::string& text) {
  if (label) label->SetText(text);
}

void SetLabelBlink(CLumLabel* label, bool bBlink) {
  if (!label) return;
  label->SetBlink(bBlink ? TRUE : FALSE, kBlinkMs, 0);
}

// The object of a value label: a device by class and instance, or the
// general process-data object.
C_BaseShape* ValueObject(const CPlant& plant, int controlType, int instance) {
  if (controlType == CT_PRC_GENERAL) return plant.General();
  return plant.Device(controlType, instance);
}

bool IsBoolAttrib(const CVAttrib* attrib) { return attrib->GetDataType() == VT_BOOL; }

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
  if (CPlant* plant = GetAppPlant()) plant->Material().GetStack()->SetSize(kMaterialStackSize);
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->SetDataSourceType(CVekEngineBase::eDataSourceDemo);
  SetTimer(kStatusTimer, kStatusPeriodMs);
  RefreshStatus();
  for (int i = 0; i < kLoopCount; ++i) RefreshLoopButton(i);
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
    button.SetCheckBoxMode(TRUE);
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
  if (!engine) return;
  if (CLumLabel* source = GetLabel(IDC_STATUS_DATA_SOURCE)) {
    source->SetText(DataSourceStatusText(engine->GetDataSourceText()));
    source->SetBlinkColor(C_BaseShape::GetMimicBgColor());
    SetLabelBlink(source, DataSourceStatusBlinks(engine->IsRealHwSource(), engine->IsDataObtainerSuspended(),
                                                 engine->IsHardwareLinkConnected()));
  }
  SetLabelText(GetLabel(IDC_STATUS_OPERATOR), OperatorStatusText(engine->GetOperatorName()));
  SetLabelText(GetLabel(IDC_STATUS_RECIPE), RecipeStatusText(engine->GetActiveRecipeId(), engine->GetActiveRecipeName()));
  CPlant* plant = GetAppPlant();
  if (!plant) return;

  SetLabelText(GetLabel(IDC_STATUS_MESSAGE_1),
               NozzleAlarmStatusText(GetPrcAlarmBool(kNozzleBlockingAlarm, PA_VI_bAlarmAck)));
  const DeviceAttribs tower(*plant, plant->Device(CT_SPRAY_DRYER, 0));
  TowerStateFacts state;
  state.bHotAir2Tower = GetPrcGeneralBool(PG_HotAir2Tower);
  state.bReturning = GetPrcGeneralBool(PG_VI_bIsOpenReturnVlv);
  state.bSpraying = GetPrcGeneralBool(PG_VI_bIsSpraying);
  state.bFireDetected = tower.Bool("VI_bFireDetected");
  state.bFireFighting = tower.Bool("VI_bFireFighting");
  state.bStopBurner = tower.Bool("VI_bStopBurner");
  state.bReduceBurner = tower.Bool("VI_bReduceBurner");
  SetLabelText(GetLabel(IDC_STATUS_MESSAGE_2), TowerStateStatusText(state));
  SetLabelText(GetLabel(IDC_STATUS_MESSAGE_3), GeneralAlarmStatusText(GetPrcGeneralBool(PG_VI_boGeneralAudioAlarm),
                                                                      GetPrcGeneralBool(PG_VI_boGeneralVisualAlarm)));
  SetLabelText(GetLabel(IDC_STATUS_MESSAGE_4),
               TowerSafetyAlarmStatusText(GetPrcGeneralBool(PG_VI_boTwrSafetyAudioAlarm),
                                          GetPrcGeneralBool(PG_VI_boTwrSafetyVisualAlarm)));
  const bool bRecipeDiffers = !CompareRecipePcWithPlc(nullptr);
  if (CLumLabel* message5 = GetLabel(IDC_STATUS_MESSAGE_5)) {
    message5->SetText(SptAitStatusText(GetPrcRecipeGenFloat(PR_LI16_SPT_SafeProcessTemperature),
                                       GetPrcRecipeGenFloat(PR_LI17_AIT_AutoIgnitionTemperature), bRecipeDiffers));
    SetLabelBlink(message5, bRecipeDiffers);
  }
  RefreshValueLabels(*plant);
}

void CVekFrameView::RefreshValueLabels(CPlant& plant) {
  for (const SuperviseValueLabel& value : SuperviseValueLabels()) {
    C_BaseShape* object = ValueObject(plant, value.controlType, value.instance);
    CLumLabel* label = GetLabel(value.nLabelId);
    if (!object || !label) continue;
    ShowAttribValueOnLabel(label, value.format, object, plant.AttribId(object, value.attrib));
  }
}

void CVekFrameView::OnTimer(UINT_PTR id) {
  if (id == kStatusTimer) RefreshStatus();
  CFormView::OnTimer(id);
}

// ---- Painting --------------------------------------------------------------------------------------

void CVekFrameView::OnPaint() {
  CPaintDC dc(this);
  // The whole client area is drawn into a memory bitmap in one pass and
  // copied at once, so the pipework never flickers.
  const int saved = dc.SaveDC();
  CRect client;
  GetClientRect(&client);
  CDC memory;
  CBitmap bitmap;
  if (memory.CreateCompatibleDC(&dc) && bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height())) {
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(client, C_BaseShape::GetMimicBgColor());
    DrawPipework(memory, GetScrollPosition());
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
  } else {
    dc.FillSolidRect(client, C_BaseShape::GetMimicBgColor());
    DrawPipework(dc, GetScrollPosition());
  }
  dc.RestoreDC(saved);
  // The see-through labels show the view's pixels under them: they take
  // the new ones (after a resize or scroll uncovered them).
  for (const auto& entry : m_labels)
    if (entry.second->IsWindowVisible()) entry.second->Invalidate(FALSE);
}

BOOL CVekFrameView::OnEraseBkgnd(CDC*) { return TRUE; }  // the paint pass covers the whole client area

// ---- Keys ----------------------------------------------------------------------------------------------

void CVekFrameView::OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags) {
  switch (virtualKey) {
    case VK_RETURN:
      MessageBox(kEnterKeyText, kEnterKeyCaption, MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
      break;
    case VK_PRIOR:
      OnVScroll(SB_PAGEUP, 0, nullptr);
      break;
    case VK_NEXT:
      OnVScroll(SB_PAGEDOWN, 0, nullptr);
      break;
    case VK_HOME:
      OnVScroll(SB_TOP, 0, nullptr);
      OnHScroll(SB_LEFT, 0, nullptr);
      break;
    case VK_END:
      OnVScroll(SB_BOTTOM, 0, nullptr);
      OnHScroll(SB_RIGHT, 0, nullptr);
      break;
    case VK_UP:
      OnVScroll(SB_LINEUP, 0, nullptr);
      break;
    case VK_DOWN:
      OnVScroll(SB_LINEDOWN, 0, nullptr);
      break;
    case VK_LEFT:
      OnHScroll(SB_LINELEFT, 0, nullptr);
      break;
    case VK_RIGHT:
      OnHScroll(SB_LINERIGHT, 0, nullptr);
      break;
    default:
      break;
  }
  CFormView::OnKeyDown(virtualKey, repeatCount, flags);
}

// ---- Commands ----------------------------------------------------------------------------------------

// The menu commands the view answers, each with what it does (the loop
// buttons are not menu items). Both the command and the menu's enabling
// read this one table.
const CVekFrameView::MenuCommand CVekFrameView::kMenuCommands[] = {
    {ID_TREND_FRAME,
     [](CVekFrameView&) {
       if (auto* frame = dynamic_cast<CMainFrmBase*>(AfxGetMainWnd())) frame->ShowTrendFrame();
     }},
    {ID_FILE_CLOSE, [](CVekFrameView&) { AfxMessageBox(kNotClosableText, MB_OK | MB_ICONSTOP); }},
    {ID_FILE_PRINT, [](CVekFrameView& view) { view.OnFilePrint(); }},
    {ID_FILE_PRINT_DIRECT, [](CVekFrameView& view) { view.OnFilePrintDirect(); }},
    {ID_FILE_PRINT_PREVIEW, [](CVekFrameView& view) { view.OnFilePrintPreview(); }},
};

BOOL CVekFrameView::IsCommandHandled(UINT id) const {
  for (const MenuCommand& command : kMenuCommands)
    if (command.nId == id) return TRUE;
  return FALSE;
}

BOOL CVekFrameView::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  for (const MenuCommand& command : kMenuCommands) {
    if (command.nId != id) continue;
    command.run(*this);
    return TRUE;
  }
  for (int i = 0; i < kLoopCount; ++i) {
    if (id != kLoopButtonIds[i] || lParam == 0) continue;
    OnLoopButton(i);
    return TRUE;
  }
  return CFormView::OnCommand(wParam, lParam);
}

void CVekFrameView::PostFrameCommand(UINT id) {
  if (CWnd* frame = AfxGetMainWnd()) frame->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
}

// ---- Loops ------------------------------------------------------------------------------------------------

void CVekFrameView::RefreshLoopButton(int nLoop) {
  if (nLoop < 0 || nLoop >= kLoopCount) return;
  CButtonQM& button = m_loopButtons[nLoop];
  if (!button.IsWindowCreated()) return;
  CPlant* plant = GetAppPlant();
  const C_ProcessDataLoop* loop = plant ? plant->Loop(nLoop) : nullptr;
  const bool bInPlc = loop && loop->GetAttribBool(PL_InPlcCtrl);
  const std::array<COLORREF, 6> colors = LoopButtonColors(bInPlc);
  for (int i = 0; i < 6; ++i) button.SetColor(i, colors[static_cast<size_t>(i)], FALSE);
  button.SetCheck(loop && loop->GetAttribBool(PL_InAutomat) ? 1 : 0, TRUE);
}

LoopFacts CVekFrameView::GatherLoopFacts() const {
  CPlant* plant = GetAppPlant();
  return plant ? ::GatherLoopFacts(*plant) : LoopFacts{};
}

bool CVekFrameView::CanLoopGoAutomatic(int nLoop, std::string* pReason) const {
  return ::CanLoopGoAutomatic(GatherLoopFacts(), nLoop, pReason);
}

void CVekFrameView::OnLoopButton(int nLoop) {
  if (nLoop < 0 || nLoop >= kLoopCount) return;
  CPlant* plant = GetAppPlant();
  C_ProcessDataLoop* loop = plant ? plant->Loop(nLoop) : nullptr;
  RefreshLoopButton(nLoop);  // the button's own toggle is undone: it follows the attribute
  if (!loop) return;

  std::string reason;
  const LoopClick outcome = DecideLoopClick(GatherLoopClickFacts(*plant, nLoop, &reason));
  switch (outcome) {
    case LoopClick::SwitchToManual:
      loop->SetAttribBoolIfChanged(PL_InAutomat, false);
      break;
    case LoopClick::NeedActiveShift:
    case LoopClick::NeedActiveRecipe:
    case LoopClick::RecipeDownloading:
      AfxMessageBox(LoopClickBoxText(outcome), MB_ICONHAND | MB_SYSTEMMODAL);
      if (outcome == LoopClick::NeedActiveShift) PostFrameCommand(ID_SHIFT);
      if (outcome == LoopClick::NeedActiveRecipe) PostFrameCommand(ID_RECIPE);
      break;
    case LoopClick::RecipeDiffers:
      PostFrameCommand(ID_RECIPE);
      break;
    case LoopClick::NotReady:
      CBalloonHelp::ShowBalloon(kLoopErrorTitle, reason, &m_loopButtons[nLoop], IDI_HAND, kBalloonOptions,
                                kLoopBalloonMs, nullptr);
      break;
    case LoopClick::SwitchToAutomatic:
      loop->SetAttribBoolIfChanged(PL_InAutomat, true);
      break;
  }
}

void CVekFrameView::OnLoopAttribChanged(int nLoop, int nAttrib, bool b) {
  if (nAttrib != PL_InPlcCtrl && nAttrib != PL_InAutomat) return;
  RefreshLoopButton(nLoop);
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  if (!engine || !ShouldReportLoopMode(engine->IsMainWndShown(), engine->GetEngineStopwatch().GetElapsedSec(),
                                       nAttrib == PL_InAutomat))
    return;
  std::string message = LoopModeMessage(nLoop, b);
  std::string reason;
  if (!b && !CanLoopGoAutomatic(nLoop, &reason)) message += "\n" + reason;
  EngineShowAlarmMessage(kLoopStatusTitle, message, b ? -1 : static_cast<int>(MB_ICONHAND | MB_SYSTEMMODAL));
  if (b)
    CBalloonHelp::ShowBalloon(kLoopStatusTitle, message, &m_loopButtons[nLoop], IDI_INFORMATION, kBalloonOptions,
                              kLoopBalloonMs, nullptr);
}

// ---- Process alarms -------------------------------------------------------------------------------------

void CVekFrameView::ShowProcessAlarm(UINT nCtrlId, int nAttrib) {
  if (((nCtrlId >> 16) & 0xFF) != CT_PRC_ALARM) return;
  const int nAlarm = static_cast<int>(nCtrlId & 0xFF);
  CPlant* plant = GetAppPlant();
  if (!plant || nAlarm >= kProcessAlarmCount) return;
  if (nAttrib != PA_VI_bAlarmWarning && nAttrib != PA_VI_bAlarmError && nAttrib != PA_VI_bAlarmMsg) return;
  if (!GetPrcAlarmBool(nAlarm, nAttrib)) return;

  ProcessAlarmValues values;
  values.fSpt = GetPrcRecipeGenFloat(PR_LI16_SPT_SafeProcessTemperature);
  values.fAit = GetPrcRecipeGenFloat(PR_LI17_AIT_AutoIgnitionTemperature);
  C_BaseShape* towerShape = plant->Device(CT_SPRAY_DRYER, 0);
  const auto towerInt = [&](const char* name) {
    const int id = plant->AttribId(towerShape, name);
    return id >= 0 ? towerShape->GetAttribInt(id) : 0;
  };
  values.nCriticalFireTemper = towerInt("VI_iTowerSafetyCriticalFireTemper");
  values.nCriticalTopTowerTemper = towerInt("VI_iTowerSafetyCriticalTopTowerTemper");
  values.nCriticalDeltaTPerMin = towerInt("VI_iTowerSafetyCriticalDeltaT_PerMin");
  for (int i = 0; i < 3; ++i)
    values.fPumpInputPressure[static_cast<size_t>(i)] =
        DeviceAttribs(*plant, plant->Device(CT_DOSE_PUMP, i)).Float("InputPressure");
  const std::string title = ProcessAlarmTitle(nAlarm);
  const std::string text = ProcessAlarmText(nAlarm, values);

  if (nAttrib == PA_VI_bAlarmWarning) {
    CBalloonHelp::ShowBalloon(title, text, towerShape, IDI_EXCLAMATION, kBalloonOptions, kAlarmBalloonMs, nullptr);
  } else if (nAttrib == PA_VI_bAlarmError) {
    EngineShowAlarmMessage(title, text, -1);
  } else {
    MessageBox(text, title, MB_ICONHAND | MB_SYSTEMMODAL);
    SetPrcAlarmBool(nAlarm, PA_VI_bAlarmAck, true);
  }
}

// ---- The plant's messages -----------------------------------------------------------------------------------

LRESULT CVekFrameView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ATTRIB_CHANGING:
      return 0;  // the view refuses no change
    case WM_ATTRIB_CHANGED:
      OnAttribChanged(reinterpret_cast<CVAttrib*>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_PACK_PENDING_CHANGED:
      OnPackPendingChanged(reinterpret_cast<CVAttribsPack*>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_TABLE_NOTICE:
      OnTableNotice(wParam, static_cast<int>(lParam));
      return 0;
    case WM_DATACENTER_PENDING:
      return 0;
    default:
      return CFormView::WindowProc(message, wParam, lParam);
  }
}

void CVekFrameView::OnAttribChanged(CVAttrib* attrib, int code) {
  CPlant* plant = GetAppPlant();
  if (code != AC_VALUE || !attrib || !plant) return;
  if (!plant->FindLiveAttrib(attrib)) return;  // gone since the notice was posted
  CVAttribsPack* owner = attrib->GetOwner();
  if (!owner) return;
  const int controlType = static_cast<int>((owner->GetCtrlId() >> 16) & 0xFF);
  const int id = attrib->GetId();
  const bool b = IsBoolAttrib(attrib) && attrib->GetValue()->boolVal != 0;
  switch (controlType) {
    case CT_PRC_GENERAL:
      if (id == PG_VI_bResetProcess && b)
        EngineShowAlarmMessage(kResetCommandTitle, kResetCommandText,
                               static_cast<int>(MB_ICONEXCLAMATION | MB_SYSTEMMODAL));
      break;
    case CT_PRC_SHIFT:
      if (id == PS_TotalProduced || id == PS_TotalTime || id == PS_UsefulTime || id == PS_TotalSlurry)
        CopyShiftTotals(*plant);
      break;
    case CT_PRC_LOOP:
      for (int i = 0; i < kLoopCount; ++i)
        if (plant->Loop(i) == owner) OnLoopAttribChanged(i, id, b);
      break;
    case CT_PRC_ALARM:
      ShowProcessAlarm(owner->GetCtrlId(), id);
      break;
    default:
      // Follow-ups that write simulated speeds, flows and densities (in Demo only).
      ApplyDemoFollowUps(*plant, owner, attrib->GetName(), b);
      break;
  }
}

void CVekFrameView::OnPackPendingChanged(CVAttribsPack* pack, int code) {
  CPlant* plant = GetAppPlant();
  if (!plant) return;
  switch (ApplyRecipePendingChange(*plant, pack, code)) {
    case RecipePendingShow::RecipeWindow:
      PostFrameCommand(ID_RECIPE);
      break;
    case RecipePendingShow::Downloading:
      SetLabelText(GetLabel(IDC_STATUS_MESSAGE_2), kRecipeDownloadingText);
      break;
    case RecipePendingShow::Downloaded:
      SetLabelText(GetLabel(IDC_STATUS_MESSAGE_2), kRecipeDownloadedText);
      break;
    case RecipePendingShow::Nothing:
      break;
  }
}

void CVekFrameView::OnTableNotice(WPARAM recordSet, int code) {
  CPlant* plant = GetAppPlant();
  CRecipeRS* recipes = plant ? ActiveRecipeNoticeTable(*plant, reinterpret_cast<const void*>(recordSet), code) : nullptr;
  if (!recipes) return;
  // Every active recipe set (at start-up or activated) has its history row;
  // an activation wrote its own in its transaction. A new active recipe
  // restarts the Demo plant.
  record_edits::AddRecipeHistoryForNotice(*recipes, plant->Tables().pRecipeHistory.get());
  RestartDemoForNewRecipe();
}
