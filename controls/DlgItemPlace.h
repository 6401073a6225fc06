// Puts one of the program's own controls in the place of a control that a
// dialog template made: the template's control is hidden and gives up its
// id, and the own control is created as a child of the same parent with
// the same rectangle, text, style and id. This is how dialogs and forms
// attach CButtonQM, CLumLabel and the others to their template items.
// User-interface thread only.
#pragma once

#include "platform/Wnd.h"

// False (nothing changed) when the parent has no child of the id or the
// control cannot be created. extraStyle is added to the template's style.
BOOL TakeDlgItemPlace(CWnd* pControl, UINT nID, CWnd* pParent, DWORD extraStyle = 0);

// The ImageTemplate of an icon or bitmap drawn at a point of a context
// (pixel rows with their palette, or the template's draw function).
class CDC;
struct ImageTemplate;
void DrawImageTemplate(CDC* pDC, const ImageTemplate& image, CPoint at);
