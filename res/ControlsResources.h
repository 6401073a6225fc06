// Dialog templates of the program's own controls (the input box and the
// about box) and their control ids. RegisterControlsResources is one of
// the resource modules (res/Resources.cpp); RegisterControlsDialogs adds
// the templates only when missing, so the controls can make sure of them.
// Threads: user-interface thread, before the dialogs are made.
#pragma once

#include "platform/WinTypes.h"

constexpr UINT IDD_INPUT_BOX = 9100;
constexpr UINT IDC_INPUT_HEADER_ICON = 9101;
constexpr UINT IDC_INPUT_HEADER = 9102;
constexpr UINT IDC_INPUT_VALUE = 9103;
constexpr UINT IDC_INPUT_NOTE = 9104;
constexpr UINT IDC_INPUT_BROWSE = 9105;

constexpr UINT IDD_BASE_ABOUT = 9120;
constexpr UINT IDC_ABOUT_PRODUCT = 9121;
constexpr UINT IDC_ABOUT_VERSION = 9122;
constexpr UINT IDC_ABOUT_TEXT = 9123;

class ResourceTable;
void RegisterControlsResources(ResourceTable& table);
void RegisterControlsDialogs();
