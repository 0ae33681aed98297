#pragma once

#include "GuitarStrings.h"

#include <QByteArray>
#include <QString>

// A chord line laid out in the library's columns (93 characters).
inline QByteArray chordLine(const char* marker, int number, const QString& group,
                            const QString& name, guitar::Frets frets, const QString& description,
                            int barreFrom = 0, int barreTo = 0, int barreFret = 0)
{
    QString line = QStringLiteral("%1 %2 %3 %4 ")
                       .arg(QLatin1String(marker))
                       .arg(number, 4, 10, QLatin1Char('0'))
                       .arg(group, -10)
                       .arg(name, -10);
    for (int fret : frets)
        line += QString::asprintf("%02d ", fret);
    line += QStringLiteral("%1 %2 %3 %4 00 00 00 00 00 00")
                .arg(description, -20)
                .arg(barreFrom)
                .arg(barreTo)
                .arg(barreFret, 2, 10, QLatin1Char('0'));
    return line.toUtf8();
}
