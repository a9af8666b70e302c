#pragma once

#include <QObject>
#include <QString>

// A window's control found by its object name, as a user finds it by its
// place: a missing or misnamed control stops the test with its name.
template <typename T>
T* named(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <typename T>
T* named(const QObject& parent, const QString& name)
{
    return named<T>(&parent, name);
}

// One of a row of controls named with their number, counted from 1.
template <typename T, typename Parent>
T* named(const Parent& parent, const QString& name, int number)
{
    return named<T>(parent, name + QString::number(number));
}
