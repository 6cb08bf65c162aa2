#pragma once

#include <QString>

#include <chrono>
#include <optional>

// The stopwatch text H:MM:SS:T of a count of tenths: hours without leading zero and without
// upper limit, two-digit minutes and seconds, one digit of tenths.
QString ClockText(long long ticks);

// Keeps the tick count of the stopwatch in step with a monotonic clock. Ticks are asked for every
// tenth of a second, but a timer may deliver them late or unevenly; the count is therefore taken
// from the time since the start instead of from the number of ticks, so it never drifts. As the
// display always has, it runs one tick behind: the first tick shows the start time once more.
class Stopwatch {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds TickInterval{100};

    // Starts from zero; the tick count before the first tick is -1.
    void Start(Clock::time_point now);
    // The tick count after a tick that arrives at `now`; never smaller than the previous one.
    long long Tick(Clock::time_point now);
    long long Ticks() const { return ticks_; }

    // Holds the time reached at `now`: ticks while it stands still show that time, until Go
    // lets it run on from there.
    void Stop(Clock::time_point now);
    void Go(Clock::time_point now);

    // The tick count a tick at `now` would give, without taking the tick.
    long long TicksAt(Clock::time_point now) const;
    // Goes on from a tick count reached before, as if it had been running since: the next tick
    // shows that count again, then counts on. -1 starts from zero.
    void StartFrom(Clock::time_point now, long long ticks);

  private:
    Clock::time_point start_{};
    long long ticks_ = -1;
    std::optional<Clock::time_point> stoppedAt_;
};
