// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small file helpers for tests that check what a write left in a folder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace zindle::test {

// Every name in the folder, hidden temporaries included, sorted.
inline QStringList everything(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace zindle::test
