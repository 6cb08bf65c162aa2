#include "platform/pause.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void Pause(double seconds) {
    const QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000.0 + 0.5), Qt::PreciseTimer);
    while (!deadline.hasExpired() && !QCoreApplication::closingDown()) {
        QEventLoop loop;
        QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        if (loop.exec() != 0) {
            return;  // the program is quitting
        }
    }
}
