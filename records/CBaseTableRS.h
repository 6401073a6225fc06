// The record set of one table with its two field sets: the active record
// (the row whose active flag is set, copied into memory) and the new record
// (the row being prepared for AddRecord). It finds and sets the active
// record, writes it back, appends rows and posts WM_TABLE_NOTICE (5: active
// record set, 3: none) to its notify window; a null or gone window is no
// error. Database errors are shown to the operator here and reported as
// false, so callers need not catch. User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "records/CAdoEngine.h"
#include "records/TableNotice.h"

class CBaseTableRS : public CAdoEngine {
 public:
  // Posts WM_TABLE_NOTICE with this set and the code to the notify window;
  // false when there is none (or it is gone).
  bool PostNotify(LPARAM nCode) const;

  // True while the active field set holds the table's active record.
  bool HasActiveRecord() const { return m_bHasActiveRecord; }
  // True when the table holds an active record; the cursor then stands on it.
  bool FindActiveRecord();
  // bFound (FindActiveRecord's answer): copies the current row into the
  // active field set and posts notice 5. Otherwise shows
  // "There is no active \"<table>\"." and posts notice 3.
  // bHistoryWritten: the change that made the row active has written its
  // history row itself (in its own transaction); the notice 5 posted is
  // then counted, for TakeHistoryWrittenNotice.
  void SetActiveRecord(bool bFound, bool bHistoryWritten = false);
  // The receiver of a notice 5 that keeps a history row per notice asks
  // this first: true (and counted off) when one notice posted so far had
  // its row written with the change, so no second row is due.
  bool TakeHistoryWrittenNotice();
  // Writes the active field set back to its row. False (nothing written)
  // without an active record or on an error (shown).
  bool UpdateActiveRecord();
  // Makes the cursor's row the only active one, then sets it as the active
  // record (notice 5). False on an error (shown) or without a current row.
  bool ActivateCurrentRecord();

  // Resets the new-record field set to its empty values (some tables also
  // stamp it with the time and engine facts).
  virtual void ResetNewFields();
  // Appends the new-record field set as a row (one transaction); the cursor
  // then stands on it. False on an error (shown).
  bool AddRecord();
  // Deletes the cursor's row. False on an error (shown) or without a row.
  bool DeleteCurrentRecord();

  // Cursor moves; false when there is no such row (or on an error, shown).
  bool MoveFirst();
  bool MoveLast();
  bool MoveNext();
  bool MovePrevious();
  bool IsEOF() const { return m_Recordset.IsEOF(); }
  // The number of rows; -1 on an error (shown).
  std::int64_t GetRecordCount();

  // The column of the table's active flag; empty for tables without one.
  virtual std::string GetActiveColumn() const { return std::string(); }

 protected:
  virtual CRecordFields& GetActiveFieldsBase() = 0;
  virtual CRecordFields& GetNewFieldsBase() = 0;
  // The cursor's row into fields / fields into the cursor's row.
  bool ReadCurrent(CRecordFields& fields);
  bool UpdateCurrent(CRecordFields& fields);

 private:
  template <class Fn>
  bool Guard(Fn&& fn);

  bool m_bHasActiveRecord = false;
  std::int64_t m_nActiveRowId = 0;  // the row of the active field set
  int m_nHistoryWrittenNotices = 0;  // notices 5 posted whose history row exists
};

// A record set whose field sets are of type TFields (its CSTFields).
template <class TFields>
class CTableRS : public CBaseTableRS {
 public:
  using CSTFields = TFields;

  TFields& GetActiveFields() { return m_ActiveFields; }
  const TFields& GetActiveFields() const { return m_ActiveFields; }
  TFields& GetNewFields() { return m_NewFields; }
  const TFields& GetNewFields() const { return m_NewFields; }

  // The cursor's row into fields; false on an error (shown) or no row.
  bool ReadCurrentRecord(TFields& fields) { return ReadCurrent(fields); }
  // fields into the cursor's row; false on an error (shown) or no row.
  bool UpdateCurrentRecord(TFields& fields) { return UpdateCurrent(fields); }

 protected:
  CRecordFields& GetActiveFieldsBase() override { return m_ActiveFields; }
  CRecordFields& GetNewFieldsBase() override { return m_NewFields; }

 public:
  const CRecordFields& GetFieldLayout() const override { return m_NewFields; }

 protected:
  TFields m_ActiveFields;
  TFields m_NewFields;
};
