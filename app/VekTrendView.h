// CVekTrendView: the trend window's view, a form (template 3020) holding
// the scroll host of the trend panels, one panel per attribute with a
// trend setting in trend-index order, and a "Supervise" button. The trend
// settings are read once, at the initial update; a setting added later
// appears after a restart. Once opened it asks the main frame to bring the
// supervise window back to the front.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/FormView.h"

class CScrollChildDlg;
class CTrendChildDlg;

class CVekTrendView : public CFormView {
 public:
  // The child id of panel i is kFirstPanelId + i.
  static constexpr UINT kFirstPanelId = 1000;

  CVekTrendView();
  ~CVekTrendView() override;

  void OnInitialUpdate() override;

  CScrollChildDlg* GetScrollHost() const { return m_pScrollHost.get(); }
  size_t GetPanelCount() const { return m_arrPanels.size(); }
  CTrendChildDlg* GetPanel(size_t i) const { return i < m_arrPanels.size() ? m_arrPanels[i].get() : nullptr; }

 protected:
  void OnDestroy() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL IsCommandHandled(UINT id) const override;

 private:
  void CreatePanels();
  void DestroyPanels();

  std::unique_ptr<CScrollChildDlg> m_pScrollHost;
  std::vector<std::unique_ptr<CTrendChildDlg>> m_arrPanels;  // sorted by trend index
};
