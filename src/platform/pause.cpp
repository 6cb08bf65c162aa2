#include "platform/pause.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

bool Pause(double seconds, const QObject* guard) {
    const QPointer<const QObject> alive(guard);
    const QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000.0 + 0.5), Qt::PreciseTimer);
    while (!deadline.hasExpired() && alive) {
        QEventLoop loop;
        QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        if (loop.exec() != 0) {
            break;  // the program is quitting
        }
    }
    return !alive.isNull();
}
