// The history of a table: every row is a copy of the watched table's field
// set, stamped with the date and time it was saved. The RecipeHistory table
// (CTableHistoryRS<CRecipeRS>) keeps a copy of each recipe that became
// active. The copied record id is an ordinary column here; the history has
// its own key. User-interface thread only.
#pragma once

#include <string>

#include "records/CBaseTableRS.h"

template <class TFields>
struct CHistoryFields : TFields {
  DATE m_dtSavedDateTime = 0;
  std::string m_strSavedDateTimeShamsi;

  CHistoryFields() { CHistoryFields::Reset(); }
  void Exchange(CFieldExchange& fx) override {
    TFields::Exchange(fx);
    fx.Date("SavedDateTime", m_dtSavedDateTime);
    fx.Text("SavedDateTimeShamsi", m_strSavedDateTimeShamsi);
  }
  void Reset() override {
    TFields::Reset();
    m_dtSavedDateTime = 0;
    m_strSavedDateTimeShamsi.clear();
  }
};

template <class TRS>
class CTableHistoryRS : public CTableRS<CHistoryFields<typename TRS::CSTFields>> {
 public:
  // "RecipeHistory" for the recipes.
  static inline const std::string kTableName = std::string(TRS::kTableName) + "History";

  // Copies fields into the new-record field set, stamps it with now and its
  // Shamsi text (with the time) and appends it. False on an error (shown).
  bool AddHistoryRecord(const typename TRS::CSTFields& fields) {
    auto& record = this->m_NewFields;
    record.Reset();
    static_cast<typename TRS::CSTFields&>(record) = fields;
    IRecordContext* context = this->GetRecordContext();
    record.m_dtSavedDateTime = RecordContextNow(context);
    record.m_strSavedDateTimeShamsi = RecordContextShamsi(context, record.m_dtSavedDateTime, true);
    return this->AddRecord();
  }
};
