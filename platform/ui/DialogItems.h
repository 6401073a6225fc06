// Makes the child controls of a dialog template inside a window (a dialog,
// a property page, a form view): each item becomes the control of its
// class (CButton, CStatic, CEdit, CComboBox, CListBox, CScrollBar,
// CSliderCtrl, CSpinButtonCtrl, CTabCtrl) at its rectangle in pixels
// (DialogUnits.h), with the template's font. Items of a custom class are
// made by the factory registered for the class name (RegisterWindowClass),
// or as a plain painted window that a member control then replaces
// (DDX_Control / SubclassDlgItem).
// Threads: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "platform/ui/ResourceTemplates.h"

class CFont;

using WindowFactory = std::function<std::unique_ptr<CWnd>()>;
// Registers the factory of a custom window class of dialog templates.
void RegisterWindowClass(const std::string& className, WindowFactory factory);

// The pixel rectangle of a template item.
CRect DialogItemRect(const DlgItemTemplate& item, int pointSize);

// Creates every item of the template as a child of parent; the made
// controls are appended to owned. font (may be null) is given to each.
// Returns false when an item could not be made (the others are made).
bool CreateDialogItems(CWnd* parent, const DialogTemplate& dialog, CFont* font,
                       std::vector<std::unique_ptr<CWnd>>* owned);
