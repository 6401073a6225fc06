// Accelerator tables: keys that send a command to a frame (F4, Ctrl+C, ...).
// FindAccelerator is the pure lookup; a frame installs a loaded table as
// window shortcuts (CFrameWnd::LoadAccelTable). Controls that use a key
// themselves (an edit's Ctrl+C) keep it.
// Threads: user-interface thread (FindAccelerator: any thread).
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/ResourceTemplates.h"

// The command of the key with the modifiers in the table; 0 when none.
UINT FindAccelerator(const AcceleratorTemplate& table, UINT virtualKey, bool ctrl, bool shift, bool alt);
// The table of the resource tables; null when unknown.
const AcceleratorTemplate* LoadAccelerators(UINT resourceId);
