// A document template: the resource id (menu, accelerators, caption) and
// the factories of the document, its child frame and its view. Opening a
// document makes the three, runs OnNewDocument, makes the frame in the
// main frame, gives the view its OnInitialUpdate and shows the frame.
// The template owns its documents; frames and views delete themselves
// when their windows go.
// Threads: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Menu.h"

class CDocument;
class CFrameWnd;
class CView;
class CMDIFrameWnd;

class CDocTemplate {
 public:
  using DocumentFactory = std::function<CDocument*()>;
  using FrameFactory = std::function<CFrameWnd*()>;
  using ViewFactory = std::function<CView*()>;

  CDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
  virtual ~CDocTemplate();

  // Opens a new (untitled) document; the path is ignored (no document
  // files). Null when a step failed.
  virtual CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE);
  // Another frame with a new view on an open document (the "New Window"
  // command); null when the frame or its view could not be made.
  CFrameWnd* OpenNewWindow(CDocument* document);
  void CloseAllDocuments();
  // Called by a document's OnCloseDocument: forgets and deletes it (later).
  void RemoveDocument(CDocument* document);
  const std::vector<std::unique_ptr<CDocument>>& GetDocuments() const { return m_documents; }
  UINT GetResourceId() const { return m_nIDResource; }
  const CMenu* GetSharedMenu() const { return m_bHasMenu ? &m_menuShared : nullptr; }

 protected:
  UINT m_nIDResource;
  DocumentFactory m_documentFactory;
  FrameFactory m_frameFactory;
  ViewFactory m_viewFactory;
  // Makes a frame holding a new view of the document (not shown yet).
  CFrameWnd* CreateNewFrame(CDocument* document);

  CMenu m_menuShared;
  bool m_bHasMenu = false;
  std::vector<std::unique_ptr<CDocument>> m_documents;
};

// The template of a program with several documents (child frames in the main frame).
class CMultiDocTemplate : public CDocTemplate {
 public:
  using CDocTemplate::CDocTemplate;
};
