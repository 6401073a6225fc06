#include "tagbrowser/TagBrowser.h"

#include <memory>

#include "core/VekEngineBase.h"
#include "platform/ui/ResourceTable.h"
#include "res/TagBrowserResources.h"
#include "tagbrowser/RoveDazuviVerovDlg.h"

CWnd* CreateTagBrowser() {
  ResourceTable& table = ResourceTable::Instance();
  if (table.FindDialog(IDD_ROVEDAZUVI_VEROV) == nullptr) RegisterTagBrowserResources(table);
  auto dialog = std::make_unique<CRoveDazuviVerovDlg>();
  // Made with no owner: a window of its own, which minimises without the
  // main window.
  if (!dialog->Create(IDD_ROVEDAZUVI_VEROV, CWnd::GetDesktopWindow())) return nullptr;
  if (dialog->WasRefused()) {
    dialog->DestroyWindow();
    return nullptr;
  }
  dialog->ShowWindow(SW_SHOW);
  return dialog.release();
}

void RegisterTagBrowser() { CVekEngineBase::SetTagBrowserFactory(&CreateTagBrowser); }
