// Fills the window slots of the trend window (document, child frame,
// view) and of the record windows (recipe, shift, recipe range) with this
// program's classes; slots already filled are kept.
// Threads: user-interface thread.
#pragma once

struct CAppWindowSlots;

void InstallTrendAndRecordSlots(CAppWindowSlots& slots);
