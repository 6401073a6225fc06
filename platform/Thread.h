// The user-interface thread and the calls that cross onto it. The plant
// model belongs to that thread: a worker runs its model work there through
// BlockingCallOnUiThread, which gives up cleanly when the worker is being
// stopped, so a user-interface thread that waits for the workers (always
// processing events while it waits) can never deadlock with them.
#pragma once

#include <atomic>
#include <functional>

#include "platform/WinTypes.h"

// True on the user-interface thread (the thread of the application object;
// before one exists, the thread that first asked).
bool IsUiThread();

// Queues fn to run on the user-interface thread. Any thread.
void PostToUiThread(std::function<void()> fn);
// Runs fn on the user-interface thread once ms milliseconds have passed
// (when its event loop runs then). Any thread. Without an application
// object nothing runs.
void PostToUiThreadAfter(DWORD ms, std::function<void()> fn);

// Runs fn on the user-interface thread and waits for it. On that thread it
// runs at once. Returns false without running fn when the calling thread's
// stop flag is raised or the user-interface thread is gone before fn starts.
bool BlockingCallOnUiThread(const std::function<void()>& fn);

// The calling worker's stop flag, which ends its blocking calls. The thread
// wrapper sets it for the threads it runs; null clears it.
void SetCurrentThreadStopFlag(const std::atomic<bool>* flag);
bool IsCurrentThreadStopping();

// On the user-interface thread: processes events until done() is true or
// the time runs out (0 waits without limit); true when done() became true.
// done() is checked whenever the events that have arrived are processed,
// so a wait ends as soon as an event (a posted message, a blocking call, a
// timer) made it true. Something that makes it true without an event, a
// worker setting a flag, calls WakeWaitingUiThread; without that call the
// change is still seen, but only at the next safety check (every 100 ms).
bool WaitProcessingEvents(const std::function<bool()>& done, DWORD timeoutMs);
// Lets a WaitProcessingEvents check its condition again at once. Any
// thread; call it after changing what a waiter may be waiting for.
void WakeWaitingUiThread();
// Processes the events that are waiting now (user-interface thread).
void ProcessPendingEvents();
