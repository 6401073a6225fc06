// The mouse cursors of the grid's windows, set through the platform.
// User-interface thread only.
#pragma once

class CWnd;

enum class UGCursor { Arrow, SizeWE, SizeNS, IBeam };

// Shows the cursor over the window.
void UGSetCursor(CWnd* wnd, UGCursor cursor);
