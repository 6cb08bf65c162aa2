#pragma once

// Waits at least `seconds` on a monotonic clock while the event loop goes on dispatching events,
// so animations show and the program stays responsive. Clicks, timer ticks and closed windows
// are handled during the wait; a window closed meanwhile is deleted only after the handler that
// paused has returned. When the program is quitting the wait ends at once.
void Pause(double seconds);
