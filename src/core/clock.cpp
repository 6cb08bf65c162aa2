#include "core/clock.h"

#include <algorithm>

QString ClockText(long long ticks) {
    const long long tenth = ticks % 10;
    const long long totalSeconds = ticks / 10;
    const long long seconds = totalSeconds % 60;
    const long long minutes = (totalSeconds / 60) % 60;
    const long long hours = totalSeconds / 3600;
    return QStringLiteral("%1:%2:%3:%4")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(tenth);
}

void Stopwatch::Start(Clock::time_point now) {
    start_ = now;
    ticks_ = -1;
    stoppedAt_.reset();
}

void Stopwatch::Stop(Clock::time_point now) {
    if (!stoppedAt_) {
        stoppedAt_ = now;
    }
}

void Stopwatch::Go(Clock::time_point now) {
    if (stoppedAt_) {
        // The time it stood still does not count.
        start_ += now - *stoppedAt_;
        stoppedAt_.reset();
    }
}

long long Stopwatch::Tick(Clock::time_point now) {
    ticks_ = ticks_ < 0 ? 0 : TicksAt(now);
    return ticks_;
}

long long Stopwatch::TicksAt(Clock::time_point now) const {
    if (ticks_ < 0) {
        return ticks_;
    }
    // The tenths that have begun since the start, less the one tick of the display's lag: the
    // shown time stays within a tenth of a second below the real elapsed time.
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(stoppedAt_.value_or(now) - start_);
    const long long interval = std::chrono::microseconds(TickInterval).count();
    const long long begun = (elapsed.count() + interval - 1) / interval;
    return std::max(ticks_, begun - 1);
}

void Stopwatch::StartFrom(Clock::time_point now, long long ticks) {
    Start(now);
    if (ticks >= 0) {
        // The tenths so far have all begun, and the next one begins at once.
        start_ = now - TickInterval * (ticks + 1);
        ticks_ = ticks;
    }
}
