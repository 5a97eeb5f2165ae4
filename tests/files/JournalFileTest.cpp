// SPDX-License-Identifier: GPL-3.0-or-later
// The journal file beside a design: a long journal comes back as written, numbers in the C
// locale's digits whatever the user's; a damaged, foreign or later file is refused with the
// file's name and leaves the file as it was.

#include "files/JournalFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

DesignJournal sixtyVersions()
{
    DesignJournal journal;
    journal.designName = QStringLiteral("Wedge \"2\"");
    for (int i = 0; i < 60; ++i) {
        JournalVersion v;
        v.when = QDateTime::fromSecsSinceEpoch(1796000000 + i * 90, QTimeZone::utc());
        v.design = QByteArray(":::::VersionInformation:::::") + QByteArray::number(i) + QByteArray(1, '\0');
        v.reaches15ft = i % 7 != 3;
        v.timeS = 3.0 + i * 0.015625; // exact in binary: written and read digit for digit
        if (i % 10 != 9)
            v.topSpeedFtS = 6.25;
        v.massLb = 0.3125;
        if (i % 2 == 0)
            v.note = QStringLiteral("longer axle, ü, \"quoted\" %1").arg(i);
        journal.versions.push_back(v);
    }
    journal.answers = {{QStringLiteral("How long will your car take?"), QStringLiteral("1,45 s, I think"),
                        QDateTime(QDate(2026, 11, 30), QTime(9, 0), Qt::UTC)}};
    return journal;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(JournalFile, SixtyVersionsSurviveWriteAndReopen)
{
    QTemporaryDir dir;
    const QString path = JournalPathOf(dir.filePath(QStringLiteral("Car.zndl")));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("Car.zndl.journal.json")));
    const DesignJournal written = sixtyVersions();
    ASSERT_TRUE(WriteJournal(path, written).ok);

    const JournalRead read = ReadJournal(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.existed);
    EXPECT_EQ(read.journal.designName, written.designName);
    ASSERT_EQ(read.journal.versions.size(), 60u);
    for (size_t i = 0; i < 60; ++i) {
        const JournalVersion &a = written.versions[i], &b = read.journal.versions[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(b.when, a.when);
        EXPECT_EQ(b.when.timeSpec(), Qt::UTC);
        EXPECT_EQ(b.design, a.design);
        EXPECT_EQ(b.reaches15ft, a.reaches15ft);
        EXPECT_EQ(b.timeS, a.timeS);
        EXPECT_EQ(b.topSpeedFtS, a.topSpeedFtS);
        EXPECT_EQ(b.massLb, a.massLb);
        EXPECT_EQ(b.note, a.note);
    }
    ASSERT_EQ(read.journal.answers.size(), 1u);
    const JournalAnswer *answer = read.journal.answerTo(QStringLiteral("How long will your car take?"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->answer, QStringLiteral("1,45 s, I think"));
    EXPECT_EQ(answer->when, QDateTime(QDate(2026, 11, 30), QTime(9, 0), Qt::UTC));
    // Under any locale (the suite runs again under de_DE) the numbers keep their points.
    const QByteArray bytes = EncodeJournal(written);
    EXPECT_TRUE(bytes.contains("\"timeS\": 3.015625")) << bytes.left(600).toStdString();
    EXPECT_TRUE(bytes.contains("\"massLb\": 0.3125"));
    EXPECT_TRUE(bytes.contains("\"when\": \"2026-11-30T"));
}

TEST(JournalFile, AMissingFileIsAnEmptyJournal)
{
    QTemporaryDir dir;
    const JournalRead read = ReadJournal(dir.filePath(QStringLiteral("None.zndl.journal.json")));
    EXPECT_TRUE(read.ok);
    EXPECT_FALSE(read.existed);
    EXPECT_TRUE(read.journal.versions.empty());
}

TEST(JournalFile, AFailedReadNamesTheFileAndLeavesItAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Car.zndl.journal.json"));
    const struct {
        QByteArray bytes;
        const char *says;
    } cases[] = {
        {"{\"format\": \"zindle-journal\", \"version\": 1, \"versions\": [", "not JSON"},
        {"{\"format\": \"zindle-challenge\", \"version\": 1}", "it is not a design journal"},
        {"{\"format\": \"zindle-journal\", \"version\": 2, \"versions\": []}",
         "it is a design journal of version 2, made by a later release; this release reads version 1"},
        {"{\"format\": \"zindle-journal\", \"version\": 1, \"versions\": [{\"when\": \"yesterday\"}]}",
         "journal version 1 has no time \"when\""},
        {"{\"format\": \"zindle-journal\", \"version\": 1, \"versions\": [{\"when\": \"2026-12-11T10:00:00Z\", "
         "\"design\": \"\", \"timeS\": \"3,5\"}]}",
         "journal version 1 has a \"timeS\" that is not a number"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says);
        writeBytes(path, c.bytes);
        const JournalRead read = ReadJournal(path);
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.existed);
        EXPECT_TRUE(read.journal.versions.empty());
        EXPECT_TRUE(read.error.contains(QStringLiteral("Car.zndl.journal.json"))) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QLatin1String(c.says))) << read.error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.bytes);
    }
}
