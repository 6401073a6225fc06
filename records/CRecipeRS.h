// The Recipe table: named recipes of seventeen loop item values, one of
// which is active (the recipe the plant runs). The active flag is set on at
// most one row; the database refuses a second one. User-interface thread only.
#pragma once

#include <string>

#include "records/CBaseTableRS.h"

struct CRecipeFields : CRecordFields {
  static constexpr int kLoopItemCount = 17;

  int m_nRecordID = -1;  // the row's autonumber key; -1 before it is stored
  std::string m_strRecipeName;
  bool m_bIsActive = false;
  // Items 1 to 17 in elements 0 to 16 (columns "fLoopItemValue01" to "17").
  float m_fLoopItemValue[kLoopItemCount] = {};

  CRecipeFields() { CRecipeFields::Reset(); }
  void Exchange(CFieldExchange& fx) override;
  void Reset() override;

  // Item n, 1 to 17; 0 for any other n.
  float GetLoopItemValue(int n) const;
  // Sets item n, 1 to 17; false (nothing set) for any other n.
  bool SetLoopItemValue(int n, float fValue);
  // "fLoopItemValue%02d" for n = 1 to 17.
  static const char* GetLoopItemColumn(int n);
};

class CRecipeRS : public CTableRS<CRecipeFields> {
 public:
  static constexpr const char* kTableName = "Recipe";

  std::string GetKeyColumn() const override { return "RecordID"; }
  std::string GetActiveColumn() const override { return "IsActive"; }
};
