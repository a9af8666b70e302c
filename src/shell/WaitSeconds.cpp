#include "shell/WaitSeconds.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void WaitSeconds(float seconds)
{
    // A monotonic clock: a pause across midnight ends like any other.
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = qint64(double(seconds) * 1000.0);
    while (clock.elapsed() < wanted) {
        QEventLoop loop;
        QTimer::singleShot(int(wanted - clock.elapsed()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
