#pragma once

class QObject;

// Waits at least `seconds` on a monotonic clock while the event loop goes on dispatching events,
// so animations show and the program stays responsive. Clicks, timer ticks and closes of windows
// are handled during the wait, and a window closed meanwhile may be deleted before the wait ends:
// the answer is false when `guard` (a control of the pausing window) is gone, and the caller must
// then touch nothing of that window. When the program is quitting the wait ends at once.
[[nodiscard]] bool Pause(double seconds, const QObject* guard);
