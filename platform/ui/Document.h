// A document: the data behind one or more views, made by a document
// template. It keeps its title (shown by its frames), its views and its
// modified flag; UpdateAllViews tells the views it changed.
// Threads: user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CView;
class CDocTemplate;
struct __POSITION;
using POSITION = __POSITION*;

class CDocument {
 public:
  CDocument();
  virtual ~CDocument();
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  virtual BOOL OnNewDocument();
  // Destroys the document's frames; the template then deletes the document.
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  // A command the document handles (routed from the frame after its view).
  virtual BOOL OnCmdMsg(UINT id) { (void)id; return FALSE; }
  // Whether OnCmdMsg handles the command (the menus grey what nothing handles).
  virtual BOOL IsCommandHandled(UINT id) const { (void)id; return FALSE; }

  void SetTitle(const std::string& title);
  const std::string& GetTitle() const { return m_strTitle; }
  void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified != FALSE; }
  BOOL IsModified() const { return m_bModified; }
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& GetViews() const { return m_views; }
  POSITION GetFirstViewPosition() const;
  CView* GetNextView(POSITION& position) const;
  void UpdateAllViews(CView* sender, LPARAM hint = 0, void* hintObject = nullptr);

 private:
  friend class CDocTemplate;
  std::string m_strTitle;
  bool m_bModified = false;
  CDocTemplate* m_pDocTemplate = nullptr;
  std::vector<CView*> m_views;  // not owned
};
