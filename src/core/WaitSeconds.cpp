#include "core/WaitSeconds.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void waitSeconds(float seconds)
{
    // A monotonic clock: a pause across midnight ends like any other. Counted in
    // nanoseconds, because whole milliseconds would cut 0.02 s short to 19 ms.
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = qint64(double(seconds) * 1e9);
    while (clock.nsecsElapsed() < wanted) {
        QEventLoop loop;
        const qint64 leftMs = (wanted - clock.nsecsElapsed() + 999999) / 1000000;
        QTimer::singleShot(int(leftMs), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
