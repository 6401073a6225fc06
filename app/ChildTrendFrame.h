// CChildTrendFrame: the trend window's child frame. It behaves as the
// supervise window's frame: always maximised, and closing it on its own is
// refused with the same message; a further window on the trends ("New
// Window") closes as usual.
// Threads: user-interface thread.
#pragma once

#include "app/ChildVekFrame.h"

class CChildTrendFrame : public CChildVekFrame {};
