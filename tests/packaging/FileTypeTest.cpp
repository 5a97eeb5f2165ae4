// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file type for designs, read the way a Qt desktop reads it: a saved design is
// recognised by its leading bytes whatever its name, and by its extension when it cannot be read.

#include "files/DesignFile.h"
#include "app/Workspace.h"
#include "model/DesignState.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

const QString DesignType = QStringLiteral("application/x-zindle-design");

// Points the MIME database at a data folder holding only our type definition. Must run before the
// process's first QMimeDatabase: Qt reads the folders once.
bool useOnlyOurFileType(const QTemporaryDir &data)
{
    const QString packages = data.path() + QStringLiteral("/mime/packages");
    if (!QDir().mkpath(packages))
        return false;
    if (!QFile::copy(QStringLiteral(ZINDLE_PACKAGING_DIR "/zindle-design.xml"), packages + QStringLiteral("/zindle-design.xml")))
        return false;
    qputenv("XDG_DATA_HOME", (data.path() + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());
    return true;
}

QByteArray savedDesign(int slot)
{
    Workspace workspace;
    BuildBuiltInDesign(workspace, slot);
    return EncodeDesign(workspace.design, workspace.catalogue, QStringLiteral("Racer"));
}

} // namespace

TEST(DesignFileType, RecognisedByContentAndByName)
{
    QTemporaryDir data;
    ASSERT_TRUE(useOnlyOurFileType(data));
    QMimeDatabase mime;
    ASSERT_TRUE(mime.mimeTypeForName(DesignType).isValid()) << "the type definition was not read";
    EXPECT_EQ(mime.mimeTypeForName(DesignType).iconName(), QStringLiteral("org.zindle.zindle"));

    // Every built-in design, saved, starts with the bytes the type looks for.
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(mime.mimeTypeForData(savedDesign(slot)).name(), DesignType) << "slot " << slot;

    // Named anything at all, a design is known by its bytes.
    QTemporaryDir files;
    const QString unnamed = files.filePath(QStringLiteral("car-without-extension"));
    QFile file(unnamed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(savedDesign(1));
    file.close();
    EXPECT_EQ(mime.mimeTypeForFile(unnamed).name(), DesignType);
    EXPECT_EQ(mime.mimeTypeForFile(QStringLiteral("missing.zndl"), QMimeDatabase::MatchExtension).name(), DesignType);

    // Bytes that only nearly match are not a design: another length, the marker misspelt, a
    // text file of an older release.
    QByteArray otherLength = savedDesign(1);
    otherLength[0] = 0x1d;
    EXPECT_NE(mime.mimeTypeForData(otherLength).name(), DesignType);
    QByteArray misspelt = savedDesign(1);
    misspelt[10] = 'v';
    EXPECT_NE(mime.mimeTypeForData(misspelt).name(), DesignType);
    QFile older(QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt"));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_NE(mime.mimeTypeForData(older.readAll()).name(), DesignType);
}
