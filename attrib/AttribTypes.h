// The numbers the attribute model shares with the windows around it: the
// change codes an attribute announces, the device control types and their
// names, the roles inside an analog group, the settings-key properties, and
// the window messages and timer of attribute packs.
// Plain constants and pure functions; safe from any thread.
#pragma once

#include <string>

#include "core/CoreMessages.h"
#include "core/TagFile.h"
#include "platform/Variant.h"
#include "platform/WinTypes.h"

class CVAttrib;

// What changed in an attribute (passed to CanChange, OnChanged and the pack).
// Code 11 is not used.
enum eAttribChange : int {
  AC_ID = 1,
  AC_NAME = 2,
  AC_TAG_NAME = 3,
  AC_TAG = 4,
  AC_TAG_TRANSFORM = 5,
  AC_ASD = 6,
  AC_VISIBLE = 7,
  AC_DATA_TYPE = 8,
  AC_VALUE = 9,
  AC_DEFAULT_VALUE = 10,
  AC_READ_PENDING = eNoticeReadPending,    // 12, the tag notice's code
  AC_WRITE_PENDING = eNoticeWritePending,  // 13
};

// The kind of device or process object a pack belongs to (bits 16-23 of
// its control id). 255 means "not set yet".
enum eControlType : int {
  CT_NONE = 0,
  CT_VESSEL = 1,
  CT_BELT = 2,
  CT_DOSE_PUMP = 3,
  CT_VALVE = 4,
  CT_HELIX = 5,
  CT_GEAR_PUMP = 6,
  CT_CNTR_FGL_PUMP = 7,
  CT_RTRY_MXR = 8,
  CT_HEAT_ZONE = 9,
  CT_RTRY_WHL = 10,
  CT_SPRAY_DRYER = 11,
  CT_DBF_VALVE = 12,
  CT_PRC_GENERAL = 13,
  CT_PRC_SHIFT = 14,
  CT_PRC_RECIPE_GEN = 15,
  CT_PRC_RECIPE_STEP = 16,
  CT_PRC_LOOP = 17,
  CT_PRC_ALARM = 18,
  CT_PRC_ENGINE = 19,
  CT_PRC_ENG_STEP = 20,
  CT_UNSET = 255,
};

// The name of a control type ("Vessel", ...); "" for 0 and above 20.
std::string ControlTypeToName(int controlType);

// The members of an analog group of eight consecutive attributes.
enum eAnalogRole : int {
  AR_VALUE = 0,
  AR_MIN_VLU = 1,
  AR_MAX_VLU = 2,
  AR_LLA_VLU = 3,  // low alarm limit
  AR_HLA_VLU = 4,  // high alarm limit
  AR_PORT = 5,     // raw port value
  AR_MIN_VLU_PORT = 6,
  AR_MAX_VLU_PORT = 7,
  AR_NONE = 9,     // the attribute is in no analog group
};

// The settings-file properties of an attribute: the second half of its keys.
enum eAttribProperty : int {
  AP_DATA = 1,
  AP_TAG = 2,
  AP_TAG_TRANSFORM = 3,
  AP_VISIBLE = 4,
  AP_ASD = 5,
  AP_TREND_INFO = 6,
};

// The key suffix of a property ("Data", "Tag", ...); "" for any other number.
std::string AttribPropertySuffix(int property);
// The settings key of an attribute property: "%s.%s" of name and suffix.
std::string MakeAttribIniKey(const std::string& attribName, int property);

// Tag names that mean "bound to no tag" are the data center's kNoTagName
// and kNoTagNameAlt (core/TagFile.h).
inline constexpr const char* TAG_TRANSFORM_NEGATIVE = "Negative";

// Sent by an attribute (through its pack) to the pack's parent before every
// change; wParam is the AttribChangeRequest*, lParam 0. Non-zero refuses.
constexpr UINT WM_ATTRIB_CHANGING = 0x1500;
// Posted after a change; wParam the CVAttrib*, lParam the change code.
constexpr UINT WM_ATTRIB_CHANGED = 0x1501;
// Posted when a pack-wide pending flag changes; wParam the CVAttribsPack*,
// lParam 12 (read-pending) or 13 (write-pending).
constexpr UINT WM_PACK_PENDING_CHANGED = 0x1502;

// The pack's one-second trend-sampling timer.
constexpr UINT_PTR TIMER_ATTRIBS_PACK = 6635;
constexpr UINT TIMER_ATTRIBS_PACK_MS = 1000;

// The record an attribute hands its owner's parent with WM_ATTRIB_CHANGING.
// The receiver may clear bShowMessage to refuse without the error box.
struct AttribChangeRequest {
  CVAttrib* pAttrib = nullptr;
  int nCode = 0;
  const VARIANT* pNewValue = nullptr;  // VT_BOOL -1/0 for flags, VT_I4 for
                                       // numbers and tags, VT_BSTR for texts
  bool bShowMessage = true;
};
