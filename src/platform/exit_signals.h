#pragma once

#include <functional>

class QObject;

// Lets SIGTERM, SIGHUP and SIGINT end the program the way the user ends it: `end` is called from
// the event loop, where it may do whatever ending takes, while the signal handler only writes a
// byte into a pipe. A signal that was ignored when the program started (nohup) stays ignored; a
// second signal, while the first is being handled, ends the program at once. `context` owns the
// watch on the pipe.
void EndOnSignals(QObject* context, std::function<void()> end);
