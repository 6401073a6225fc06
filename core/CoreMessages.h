// Window messages and notice codes that the engine core posts to windows:
// the tag notices a tag posts to its viewers and the data center's
// pending-state message to the engine's main window.
// Thread-safety: constants only, usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// Posted by a tag to each of its viewers: wParam the CDCTag*, lParam the
// notice code below. Always posted, never sent.
inline constexpr UINT WM_DCTAG_NOTICE = 0x14FE;

// Posted by the data center to the engine's main window when "some tag is
// read-pending" (lParam 12) or "some tag is write-pending" (lParam 13)
// changes; wParam the CDataCenterBase*.
inline constexpr UINT WM_DATACENTER_PENDING = 0x14FF;

// Tag notice codes (lParam of WM_DCTAG_NOTICE).
enum eDCTagNotice : int {
  eNoticeValue = 2,         // the current value changed
  eNoticeMinimum = 3,       // the minimum (MinTag) changed
  eNoticeMaximum = 4,       // the maximum (MaxTag) changed
  eNoticeFourthValue = 5,   // the tag's fourth value (reserved for links)
  eNoticeDataType = 6,      // the data type was set
  eNoticeReadPending = 12,  // the read-pending flag changed
  eNoticeWritePending = 13, // the write-pending flag changed
  eNoticeAuxText = 14,      // the auxiliary text changed
  eNoticeFirst = 0,         // a new viewer receives every code
  eNoticeLast = 15,         // from eNoticeFirst to eNoticeLast
};
