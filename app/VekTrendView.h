// CVekTrendView: the trend window's view, a form (template 3020) holding
// the scroll host of the trend panels, one panel per attribute with a
// trend setting in trend-index order, and a "Supervise" button. The trend
// settings are read once, at the initial update; a setting added later
// appears after a restart. Once opened it asks the main frame to bring the
// supervise window back to the front. The scroll host starts on the
// form's placeholder and follows the view's size, so the panels fill a
// frame larger than the form.
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

  // The scroll host's rectangle in form coordinates for a view client
  // area of szClient: the placeholder's top-left, and right and bottom
  // edges that keep the form's margins to the client's edges; never
  // smaller than the placeholder (a view smaller than the form scrolls the
  // form instead).
  static CRect ScrollHostRect(const CRect& rcPlaceholder, CSize szForm, CSize szClient);

 protected:
  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL IsCommandHandled(UINT id) const override;

 private:
  void CreatePanels();
  void DestroyPanels();
  // Sizes the scroll host to the view (ScrollHostRect).
  void FitScrollHost();

  CRect m_rcPlaceholder;  // the placeholder's rectangle, form coordinates
  std::unique_ptr<CScrollChildDlg> m_pScrollHost;
  std::vector<std::unique_ptr<CTrendChildDlg>> m_arrPanels;  // sorted by trend index
};
