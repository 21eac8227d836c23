#pragma once

#include <QImage>
#include <QString>

// A bitmap as the program loads it from the registered libraries.
inline QImage SkinImage(const QString &name) {
    return QImage(":/skin/" + name);
}
inline QImage DefaultImage(const QString &name) {
    return QImage(":/default/" + name);
}
