// C_DBFValveAction: the action dialog of the diverter (flap) valve
// (template 3014), the centrifugal pump's dialog on the flap drive's
// increase, decrease and open commands.
// User-interface thread only.
#pragma once

#include "shapes/actions/CntrFglPmpAction.h"

class C_DBFValve;

class C_DBFValveAction : public C_CntrFglPmpAction {
 public:
  explicit C_DBFValveAction(C_DBFValve* valve);

  static const ActionDlgDef& Def();
  C_DBFValve* GetValve() const { return m_pValve; }

 private:
  C_DBFValve* m_pValve;  // weak
};
