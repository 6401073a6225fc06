#include "platform/ui/DocTemplate.h"

#include <algorithm>

#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

CDocTemplate::CDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : m_nIDResource(resourceId),
      m_documentFactory(std::move(document)),
      m_frameFactory(std::move(frame)),
      m_viewFactory(std::move(view)) {
  m_bHasMenu = m_menuShared.LoadMenu(resourceId) != FALSE;
}

CDocTemplate::~CDocTemplate() = default;

CDocument* CDocTemplate::OpenDocumentFile(const char*, BOOL makeVisible) {
  if (!m_documentFactory || !m_frameFactory) return nullptr;
  CDocument* doc = m_documentFactory();
  if (!doc) return nullptr;
  doc->m_pDocTemplate = this;
  doc->m_strTitle = "Untitled";
  m_documents.emplace_back(doc);
  if (!doc->OnNewDocument()) {
    RemoveDocument(doc);
    return nullptr;
  }
  CFrameWnd* frame = CreateNewFrame(doc);
  if (!frame) {
    RemoveDocument(doc);
    return nullptr;
  }
  for (CView* view : std::vector<CView*>(doc->GetViews())) view->OnInitialUpdate();
  frame->OnUpdateFrameTitle(TRUE);
  if (makeVisible) frame->ActivateFrame();
  return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document) {
  CFrameWnd* frame = m_frameFactory ? m_frameFactory() : nullptr;
  if (!frame) return nullptr;
  if (auto* child = dynamic_cast<CMDIChildWnd*>(frame)) child->SetSharedMenu(GetSharedMenu());
  CCreateContext context;
  context.m_pCurrentDoc = document;
  context.m_pNewViewFactory = m_viewFactory;
  CWnd* main = AfxGetMainWnd();
  if (!frame->LoadFrame(m_nIDResource, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, main, &context)) {
    // A refused frame (its view failed) has been destroyed, not deleted:
    // it deletes itself only once made.
    delete frame;
    return nullptr;
  }
  frame->SetAutoDelete(true);
  return frame;
}

CFrameWnd* CDocTemplate::OpenNewWindow(CDocument* document) {
  if (!document || document->GetDocTemplate() != this) return nullptr;
  const std::vector<CView*> before = document->GetViews();
  CFrameWnd* frame = CreateNewFrame(document);
  if (!frame) return nullptr;
  for (CView* view : std::vector<CView*>(document->GetViews()))
    if (std::find(before.begin(), before.end(), view) == before.end()) view->OnInitialUpdate();
  frame->OnUpdateFrameTitle(TRUE);
  frame->ActivateFrame();
  return frame;
}

void CDocTemplate::RemoveDocument(CDocument* document) {
  auto it = std::find_if(m_documents.begin(), m_documents.end(),
                         [document](const std::unique_ptr<CDocument>& d) { return d.get() == document; });
  if (it == m_documents.end()) return;
  std::unique_ptr<CDocument> gone = std::move(*it);
  m_documents.erase(it);
  gone->m_pDocTemplate = nullptr;
}

void CDocTemplate::CloseAllDocuments() {
  while (!m_documents.empty()) {
    CDocument* doc = m_documents.back().get();
    const size_t count = m_documents.size();
    doc->OnCloseDocument();
    if (m_documents.size() == count) RemoveDocument(doc);
  }
}
