// Query workers and their one way to the window. Each worker is a detached thread; it never
// touches a control itself but posts control operations and reads, which the user-interface
// thread carries out through the application object in the order they were posted.
//
// The window opens the bridge once its controls exist and closes it before any control is
// destroyed. While the bridge is closed, posts are dropped, reads give the empty text at once
// and no worker starts. Nothing a worker can reach through the bridge is ever freed.
#pragma once

#include <functional>

#include "text/text_ops.h"

// Opens the bridge and lets fetches run again after an earlier close; on the user-interface
// thread. Operations posted before an earlier close are never run.
void OpenWorkerBridge();

// Runs body on a detached thread of its own, counted as live until body has returned.
// Nothing starts while the bridge is closed or when the system refuses a thread.
void StartWorker(std::function<void()> body);
int LiveWorkerCount();

// Queues operation for the user-interface thread and returns at once. It runs there after
// every operation posted before it, unless the bridge has closed by then.
void PostToWindow(std::function<void()> operation);

// Has read carried out on the user-interface thread, after every operation posted before it,
// and waits for its answer. On the user-interface thread itself read runs at once. Gives the
// empty text when the bridge is closed, also when it closes during the wait.
Text ReadFromWindow(std::function<Text()> read);

// True once the bridge has closed: a worker going through a list of numbers stops early.
bool WorkersShouldStop();

inline constexpr int kWorkerEndMilliseconds = 1500;

// Closes the bridge, on the user-interface thread: later posts are dropped, queued operations will
// not run, waiting reads return, every fetch in progress is aborted. Then waits up to
// limit_milliseconds for the live workers to end and tells whether they all did.
bool CloseWorkerBridge(int limit_milliseconds = kWorkerEndMilliseconds);
