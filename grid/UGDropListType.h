// CUGDropListType ("DropList", index 1 of every grid): a cell with a button
// at its right that opens a list of choices (the cell's label text, one
// choice per line feed); the chosen text is stored into the cell.
// User-interface thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/UGCellType.h"

class CUGLstBox;

// Extension bit: the button shows on the current cell only.
constexpr long UGCT_DROPLISTHIDEBUTTON = 0x200;

// Notification messages of the drop list (to OnCellTypeNotify).
constexpr long UGCT_DROPLISTSTART = 100;   // param: the choices (may change; FALSE cancels)
constexpr long UGCT_DROPLISTSELECT = 101;  // param: the chosen text (FALSE keeps the old text)
constexpr long UGCT_DROPLISTSELECTEX = 102;  // param: the list index
constexpr long UGCT_DROPLISTPOSTSELECT = 103;  // param: the text stored

// The choices of a label text: each part up to a line feed; a last part
// without a line feed is dropped.
std::vector<std::string> UGSplitChoices(const std::string& label);

class CUGDropListType : public CUGCellType {
 public:
  CUGDropListType();
  ~CUGDropListType() override;

  std::string GetTypeName() const override;
  const CUGPtrList::Id* GetTypeId() const override;
  int AdjustEditRect(CRect* rect) override;
  BOOL OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) override;
  BOOL OnDClicked(int col, long row, CRect* rect, CPoint* point) override;
  BOOL OnKeyDown(int col, long row, UINT* key) override;
  BOOL OnCharDown(int col, long row, UINT* key) override;
  BOOL OnMouseMove(int col, long row, CPoint* point, UINT flags) override;
  void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
              int current) override;
  // The current cell moved away: the list closes.
  void OnKillFocus(int col, long row, CUGCell* cell) override;
  void GetBestSize(CDC* dc, CSize* size, CUGCell* cell) override;

  // Forgets the open cell and destroys the list window.
  void OnCloseList();
  // Called by the list: the user chose the item (or nothing: index -1).
  void CommitChoice(int index, const std::string& text);
  // The list lost the focus without a choice.
  void OnListGone(bool choiceMade);
  // Opens the list of the cell; 0 opened, 1 not (read-only, open, cancelled).
  int StartDropList(int col, long row);
  bool IsListOpen() const { return m_openCol >= 0; }
  int GetOpenCol() const { return m_openCol; }
  long GetOpenRow() const { return m_openRow; }
  CUGLstBox* GetListBox() const { return m_listBox; }
  int GetButtonWidth() const { return m_btnWidth; }

 private:
  bool PointInButton(CRect* rect, CPoint* point) const;
  // The popup list over the cell area; false when it cannot be made.
  bool OpenListWindow(int col, long row, CUGCell& cell, const std::vector<std::string>& choices);
  void CloseListWindow();

  int m_btnWidth;
  bool m_btnHot = false;
  bool m_btnDown = false;
  CRect m_btnRect;
  int m_openCol = -1;
  long m_openRow = -1;
  CUGLstBox* m_listBox = nullptr;  // a self-deleting child window while open
  bool m_choiceMade = false;
};
