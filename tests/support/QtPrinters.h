// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets GoogleTest print Qt values readably in failure messages.

#include <QPoint>
#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QPoint &point, std::ostream *os) { *os << '(' << point.x() << ", " << point.y() << ')'; }
