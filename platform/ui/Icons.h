// Icons: the standard message icons (IDI_*) and the program's icons from
// the resource tables, for DrawIcon, buttons, balloons and windows.
// Threads: user-interface thread.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"

constexpr UINT IDI_APPLICATION = 32512;
constexpr UINT IDI_HAND = 32513;
constexpr UINT IDI_ERROR = 32513;
constexpr UINT IDI_QUESTION = 32514;
constexpr UINT IDI_EXCLAMATION = 32515;
constexpr UINT IDI_WARNING = 32515;
constexpr UINT IDI_ASTERISK = 32516;
constexpr UINT IDI_INFORMATION = 32516;

// A standard icon (IDI_*, 32 x 32) or an icon of the resource tables; null
// when the id is neither. Icons live for the program's life.
HICON LoadIcon(UINT id);
CSize GetIconSize(HICON icon);
