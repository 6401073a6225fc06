// CVekAccessUser: one user of the program, with the groups (bit flags) that
// decide which guarded commands the user may run. The access control owns
// every user object for the program's life, so a pointer a dialog keeps
// stays valid even after the user is removed (a removed user passes no
// check). User-interface thread.
#pragma once

#include <string>

class CVekAccessUser {
 public:
  // Access groups, as bit flags.
  enum eGroup : int {
    eGroupNone = 0,
    eGroupOperator = 1,
    eGroupShift = 8,
    eGroupTechnical = 16,
    eGroupProduction = 32,
    eGroupPlantAdmin = 64,
    eGroupVekAdmin = 128,  // the top group: passes every check
  };
  static constexpr int kAllGroups = eGroupOperator | eGroupShift | eGroupTechnical | eGroupProduction |
                                    eGroupPlantAdmin | eGroupVekAdmin;

  const std::string& GetName() const { return m_strName; }
  int GetGroups() const { return m_bRemoved ? eGroupNone : m_nGroups; }
  // True for a user of group 128 or 64.
  bool IsAdmin() const { return (GetGroups() & (eGroupVekAdmin | eGroupPlantAdmin)) != 0; }
  bool IsVekAdmin() const { return (GetGroups() & eGroupVekAdmin) != 0; }
  // In at least one of the groups of the mask, or in the top group.
  bool HasAccess(int nGroupMask) const {
    return nGroupMask != 0 && (IsVekAdmin() || (GetGroups() & nGroupMask) != 0);
  }
  bool IsRemoved() const { return m_bRemoved; }

 private:
  friend class CVekAccessControl;
  std::string m_strName;
  std::string m_strPasswordHash;  // salted slow hash; never the password
  int m_nGroups = eGroupNone;
  bool m_bRemoved = false;
};
