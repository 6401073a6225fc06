// CUGDataSource: the interface through which the grid reads and writes its
// cells. Every column is served by one data source; each sheet owns an
// in-memory store (CUGMem) and an owner may register further sources.
// The unnamed slots keep their places and harmless answers for derived
// sources. User-interface thread only, like the grid that calls it.
#pragma once

#include <string>

#include "grid/UGCell.h"

class CUGCtrl;
class CWnd;

class CUGDataSource {
 public:
  CUGDataSource() = default;
  virtual ~CUGDataSource() = default;
  CUGDataSource(const CUGDataSource&) = delete;
  CUGDataSource& operator=(const CUGDataSource&) = delete;

  // Set by CUGCtrl::AddDataSource (and by the sheet for its own store).
  void SetOwner(CUGCtrl* owner) { m_ctrl = owner; }
  CUGCtrl* GetOwner() const { return m_ctrl; }
  void SetID(int id) { m_ID = id; }
  int GetID() const { return m_ID; }

  // Slots without a use in this grid; answers that make them harmless.
  virtual long ReservedSlot1(long, long) { return -1; }
  virtual long ReservedSlot2() { return 0; }
  virtual long ReservedSlot3(long, long) { return -1; }
  virtual long ReservedSlot4() { return -1; }
  virtual long ReservedSlot5() { return -1; }
  virtual long ReservedSlot6(long, long) { return -1; }

  // The index of the last row (the memory store: reached walking forward).
  virtual long GetRowCount() { return -1; }
  virtual long ReservedSlot8() { return -1; }
  virtual long ReservedSlot9(long, long) { return -1; }
  virtual long ReservedSlot10(long, long) { return -1; }
  virtual long ReservedSlot11(long, long) { return -1; }
  virtual long ReservedSlot12(long, long) { return -1; }
  virtual int ReservedSlot13() { return -1; }

  virtual int AddRow(long /*row*/) { return -1; }
  virtual int ReservedSlot15() { return -1; }
  virtual int InsertColumn(int /*col*/) { return -1; }
  virtual int DeleteRow(long /*row*/) { return -1; }
  virtual int DeleteColumn(int /*col*/) { return -1; }
  virtual int DeleteCell(int /*col*/, long /*row*/) { return -1; }
  virtual int DeleteAll() { return -1; }

  // Lays the stored cell's set properties over cell; 1 when none is stored.
  virtual int GetCell(int /*col*/, long /*row*/, CUGCell* /*cell*/) { return -1; }
  virtual int SetCell(int /*col*/, long /*row*/, CUGCell* /*cell*/) { return -1; }

  // Find and sort (flags: UG_FIND_..., UG_SORT_...).
  virtual int FindNext(const std::string& /*text*/, int* /*col*/, long* /*row*/, int /*flags*/) {
    return -1;
  }
  virtual int FindInRange(const std::string& /*text*/, int* /*col*/, long* /*row*/, int /*flags*/) {
    return -1;
  }
  virtual int SortRows(const int* /*cols*/, int /*colCount*/, int /*flags*/) { return -1; }
  virtual int SortByColumn(int /*col*/, int /*flags*/) { return -1; }

  virtual int ReservedSlot27(long, long, long) { return -1; }
  virtual int ReservedSlot28(long, long, long) { return -1; }
  virtual int ReservedSlot29(long, long, long) { return -1; }

  // The grid went past the last row; store the number of rows added.
  virtual int AppendRows(long /*rowCount*/, long /*rowsWanted*/, long* /*rowsAdded*/) { return -1; }
  virtual void OnRowChanged(long /*oldRow*/, long /*newRow*/) {}
  virtual void OnColChanged(int /*oldCol*/, int /*newCol*/) {}
  // 1 allows the move.
  virtual int CanMove(int /*oldCol*/, long /*oldRow*/, int /*newCol*/, long /*newRow*/) { return 1; }

  virtual int ReservedSlot34() { return -1; }
  virtual int ReservedSlot35() { return -1; }
  virtual int ReservedSlot36() { return -1; }

  // Editing: 1 allows.
  virtual int CanEdit(int /*col*/, long /*row*/, CWnd** /*edit*/) { return 1; }
  virtual int ReservedSlot38(long, long, long, long) { return 1; }
  virtual int CanFinishEdit(int /*col*/, long /*row*/, CWnd* /*edit*/,
                            const std::string& /*text*/, BOOL /*cancelled*/) {
    return 1;
  }
  virtual int CanContinueEdit(int /*col*/, long /*row*/, int* /*newCol*/, long* /*newRow*/) {
    return 1;
  }
  // The nearest column left of col in the row whose cell has a text.
  virtual int FindTextToLeft(int* /*col*/, long /*row*/) { return -1; }

 protected:
  CUGCtrl* m_ctrl = nullptr;
  int m_ID = -1;
};
