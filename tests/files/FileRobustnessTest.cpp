// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged files: truncated at every byte, bytes flipped at random. Reading must refuse them
// cleanly (or read something harmless), never crash or read outside the data. Run under the
// sanitizer preset these also prove the reader never touches memory it should not.

#include "files/DesignFile.h"
#include "files/TextDesignFile.h"
#include "model/MaterialEditing.h"
#include "support/RichDesign.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace zindle;

namespace {

QByteArray richDesignBytes()
{
    DesignState workspace;
    test::makeRich(workspace, 3);
    return EncodeDesign(workspace.design, workspace.catalogue, "Tow Truck");
}

void expectSane(const DesignState &workspace)
{
    EXPECT_LE(workspace.design.OuterCount(), MaxOutlinePoints);
    EXPECT_LE(workspace.design.InnerCount(), MaxOutlinePoints);
    EXPECT_LE(workspace.catalogue.count(MaterialKind::Board), MaxMaterialEntries);
    for (int part = 0; part < PartCount; ++part) {
        const int index = workspace.design.MatIndex[static_cast<size_t>(part)];
        EXPECT_GE(index, 0);
        EXPECT_LT(index, workspace.catalogue.count(partKind(part)));
    }
}

} // namespace

TEST(DamagedBinaryFiles, TruncationAtEveryByteIsRefused)
{
    const QByteArray bytes = richDesignBytes();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        DesignState workspace;
        PrepareForFileRead(workspace);
        const ReadOutcome outcome = ReadBinaryDesign(workspace, bytes.left(length), "cut.zndl");
        ASSERT_FALSE(outcome.ok()) << "truncated at " << length;
        ASSERT_TRUE(outcome.error.contains("cut.zndl"));
        expectSane(workspace);
    }
    DesignState whole;
    PrepareForFileRead(whole);
    EXPECT_TRUE(ReadBinaryDesign(whole, bytes, "whole.zndl").ok());
}

TEST(DamagedBinaryFiles, FlippedBytesNeverBreakTheReader)
{
    const QByteArray bytes = richDesignBytes();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<qsizetype> position(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    int refused = 0;
    for (int variant = 0; variant < 3000; ++variant) {
        QByteArray damaged = bytes;
        const int flips = 1 + variant % 4;
        for (int f = 0; f < flips; ++f)
            damaged[position(random)] = static_cast<char>(value(random));
        DesignState workspace;
        PrepareForFileRead(workspace);
        const ReadOutcome outcome = ReadBinaryDesign(workspace, damaged, "flipped.zndl");
        if (!outcome.ok()) {
            ++refused;
            EXPECT_FALSE(outcome.error.isEmpty());
        }
        expectSane(workspace);
    }
    EXPECT_GT(refused, 0);
}

TEST(DamagedTextFiles, TruncationAndFlipsNeverBreakTheReader)
{
    QFile file(QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        DesignState workspace;
        PrepareForFileRead(workspace);
        ReadTextDesign(workspace, bytes.left(length), "cut.txt");
        expectSane(workspace);
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<qsizetype> position(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int variant = 0; variant < 2000; ++variant) {
        QByteArray damaged = bytes;
        damaged[position(random)] = static_cast<char>(value(random));
        DesignState workspace;
        PrepareForFileRead(workspace);
        ReadTextDesign(workspace, damaged, "flipped.txt");
        expectSane(workspace);
    }
}
