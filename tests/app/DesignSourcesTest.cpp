// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder as students leave it: names that are not UTF-8, pipes and links among the
// designs, folders nested past the system's path limit.

#include "app/ClassStandings.h"
#include "files/PathText.h"
#include "support/ClassFolder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <climits>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zindle;

namespace {

const DesignSource *find(const DesignSources &sources, const QString &path)
{
    for (const DesignSource &source : sources.entries)
        if (source.path == path)
            return &source;
    return nullptr;
}

} // namespace

TEST(DesignSources, NamesAreReadByteExactAndNothingButFilesIsOpened)
{
    WorkerPool workers;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = test::writeClassDesign(dir.path(), "good.zndl", "Good", 1);
    const QByteArray folder = pathToBytes(dir.path());
    // A Latin-1 name, as an old machine writes it.
    const QByteArray latin = folder + "/caf\xe9.zndl";
    ASSERT_EQ(::rename(pathToBytes(test::writeClassDesign(dir.path(), "x.zndl", "Cafe", 2)).constData(),
                       latin.constData()),
              0);
    ASSERT_EQ(::mkfifo((folder + "/pipe.zndl").constData(), 0600), 0);
    ASSERT_EQ(::symlink("pipe.zndl", (folder + "/link-to-pipe.zndl").constData()), 0);
    ASSERT_EQ(::symlink("good.zndl", (folder + "/link-to-good.zndl").constData()), 0);

    const DesignSources sources = CollectDesignSources({dir.path()});
    const QString latinPath = pathFromBytes(latin);
    ASSERT_NE(find(sources, latinPath), nullptr);
    EXPECT_EQ(find(sources, latinPath)->refusal.english(), "");
    ASSERT_NE(find(sources, dir.filePath("pipe.zndl")), nullptr);
    EXPECT_EQ(find(sources, dir.filePath("pipe.zndl"))->refusal.english(), "it is not a regular file");
    ASSERT_NE(find(sources, dir.filePath("link-to-pipe.zndl")), nullptr);
    EXPECT_EQ(find(sources, dir.filePath("link-to-pipe.zndl"))->refusal.english(), "it is not a regular file");
    // Named on its own, the pipe is refused as well.
    const DesignSources named = CollectDesignSources({dir.filePath("pipe.zndl")});
    ASSERT_EQ(named.entries.size(), 1u);
    EXPECT_EQ(named.entries[0].refusal.english(), "it is not a regular file");
    // The link to a design is the same file, taken once.
    EXPECT_NE(find(sources, good), nullptr);
    EXPECT_EQ(find(sources, dir.filePath("link-to-good.zndl")), nullptr);

    // Nothing waits on the pipes; the Latin-1 file is read as any other.
    const std::vector<StandingRow> rows = RunStandings(workers, sources);
    ASSERT_EQ(rows.size(), 4u);
    int read = 0;
    for (const StandingRow &row : rows) {
        read += row.readable();
        if (row.source == latinPath) {
            EXPECT_EQ(row.name, "Cafe");
        }
        if (!row.readable()) {
            EXPECT_TRUE(row.error.endsWith(": it is not a regular file")) << row.error.toStdString();
        }
    }
    EXPECT_EQ(read, 2);
}

TEST(DesignSources, DesignsBeyondThePathLimitAreReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Folders of 200 characters, made one inside the other until the path passes the limit.
    const QByteArray step(200, 'd');
    QByteArray path = pathToBytes(dir.path());
    int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    while (path.size() < PATH_MAX + 200) {
        ASSERT_EQ(::mkdirat(fd, step.constData(), 0700), 0);
        const int inner = ::openat(fd, step.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        ASSERT_GE(inner, 0);
        fd = inner;
        path += '/' + step;
    }
    const int file = ::openat(fd, "deep.zndl", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(file, 0);
    ::close(file);
    ::close(fd);

    const DesignSources sources = CollectDesignSources({dir.path()});
    ASSERT_EQ(sources.size(), 1);
    EXPECT_TRUE(sources.entries[0].refusal.english().startsWith("its path is longer than the system's limit"))
        << sources.entries[0].refusal.english().toStdString();
    // QTemporaryDir cannot remove what lies past the limit; rm can.
    QProcess::execute("rm", {"-rf", dir.filePath(QString::fromLatin1(step))});
}
