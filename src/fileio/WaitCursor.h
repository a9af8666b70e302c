#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the hourglass over the whole program while a file is read or written,
// and takes it away again however the work ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
