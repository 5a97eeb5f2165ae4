// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/MaterialEditing.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {
BoardMaterial board(const char *name, const char *thickness, const char *density)
{
    return {name, thickness, density};
}
SpringMaterial spring(const char *name)
{
    SpringMaterial s{name, "0.01", "0.045", "1.5", {}};
    s.SpringTorqueCurve[0] = "0.5";
    return s;
}
} // namespace

TEST(MaterialChecks, BoundsAreComparedInSinglePrecision)
{
    EXPECT_EQ(ValidateBoard(board("B", "0.5", "0.0001"))->message,
              "The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.");
    EXPECT_FALSE(ValidateBoard(board("B", "0.5", "0.00011")));
    EXPECT_FALSE(ValidateBoard(board("B", "0.05", "0.5")));
    EXPECT_FALSE(ValidateBoard(board("B", "6", "0.5")));
    const auto thick = ValidateBoard(board("B", "6.01", "0.5"));
    ASSERT_TRUE(thick);
    EXPECT_EQ(thick->title, "Please try again.");
    EXPECT_EQ(ValidateBoard(board("", "x", "x"))->message, "Please enter a name for this board.");
    EXPECT_EQ(ValidateBoard(board("B", "1,5", "0.1"))->title, "Please try again.");
}

TEST(MaterialChecks, EveryKindChecksInOrder)
{
    EXPECT_EQ(ValidateAxle({"", "1"})->message, "Please enter a name for this axle material.");
    EXPECT_EQ(ValidateAxle({"Pine", "0.6"})->title, "Please try again.");
    EXPECT_FALSE(ValidateTread({"Grip", "2"}));
    EXPECT_EQ(ValidateTread({"Grip", "2.1"})->message,
              "The coefficient of static friction must be positive, greater than zero, and less than 2. ");

    SpringMaterial s = spring("Steel");
    EXPECT_FALSE(ValidateSpring(s));
    s.SpringTorqueCurve[0] = "10";
    EXPECT_FALSE(ValidateSpring(s));
    s.SpringTorqueCurve[0] = "10.5";
    EXPECT_EQ(ValidateSpring(s)->message,
              "The maximum torque must be positive, greater than zero, and no more than 10 lb-inches.");
    s.SpringTorqueCurve[0] = "1";
    s.SpringTorqueCurve[4] = "seven";
    EXPECT_EQ(ValidateSpring(s)->message,
              "All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid.");
    s.SpringTorqueCurve[4] = "7"; // only convertibility is checked beyond the first cell
    EXPECT_FALSE(ValidateSpring(s));
    // Text that is no number says so before the range it was checked against.
    s.SpringSampleWidth = "";
    EXPECT_EQ(ValidateSpring(s)->message,
              "No number was typed (a period is the decimal point). "
              "The width of your test sample must be positive, greater than zero, and no more than 6 inches.");
    s.SpringThickness = " 0,01";
    EXPECT_EQ(ValidateSpring(s)->message,
              "\"0,01\" is not a number (a period is the decimal point). "
              "The thickness must be positive, greater than zero, and no more than 0.125 inches. ");
}

TEST(MaterialDefine, NewNameAppendsOwnNameUpdatesAndAnotherEntrysNameIsRefused)
{
    MaterialCatalogue catalogue;
    auto added = DefineBoard(catalogue, board("Balsa", "0.25", "0.005"), 0);
    EXPECT_EQ(added.outcome, DefineOutcome::AddedNew);
    EXPECT_EQ(added.index, 1);

    // The name is another entry's than the one edited (or a new one's): refused, nothing stored.
    for (const int edited : {-1, 0, 2}) {
        auto refused = DefineBoard(catalogue, board("Balsa", "0.3", "0.005"), edited);
        EXPECT_EQ(refused.outcome, DefineOutcome::Refused) << edited;
        EXPECT_EQ(refused.refusal.message, nameTakenRefusal("Balsa").message);
    }
    EXPECT_EQ(catalogue.boards[1].BoardThickness, "0.25");

    auto updated = DefineBoard(catalogue, board("Balsa", "0.3", "0.005"), 1);
    EXPECT_EQ(updated.outcome, DefineOutcome::Updated);
    EXPECT_EQ(catalogue.boards[1].BoardThickness, "0.3");

    // Names match exactly, case included.
    EXPECT_EQ(DefineBoard(catalogue, board("balsa", "0.3", "0.005"), 1).outcome, DefineOutcome::AddedNew);
    // The built-in tread's list item is "Ideal rubber": that name counts as taken.
    EXPECT_EQ(DefineTread(catalogue, {"Ideal rubber", "1"}, -1).outcome, DefineOutcome::Refused);
}

TEST(MaterialDefine, EmptyTorqueCellsAreStoredAsZero)
{
    MaterialCatalogue catalogue;
    SpringMaterial s = spring("Band");
    s.SpringTorqueCurve[1] = "0.4";
    ASSERT_EQ(DefineSpring(catalogue, s, -1).outcome, DefineOutcome::AddedNew);
    EXPECT_EQ(catalogue.springs[1].SpringTorqueCurve[1], "0.4");
    EXPECT_EQ(catalogue.springs[1].SpringTorqueCurve[2], "0");
    EXPECT_EQ(catalogue.springs[1].SpringTorqueCurve[48], "0");
}

TEST(MaterialDefine, AFullKindRefusesNewEntries)
{
    MaterialCatalogue catalogue;
    for (int i = 1; i <= 100; ++i)
        ASSERT_EQ(DefineAxle(catalogue, {QString("Axle %1").arg(i), "0.1"}, 0).outcome,
                  DefineOutcome::AddedNew);
    const auto refused = DefineAxle(catalogue, {"One more", "0.1"}, 0);
    EXPECT_EQ(refused.outcome, DefineOutcome::Refused);
    EXPECT_EQ(catalogue.count(MaterialKind::Axle), 101);
    EXPECT_FALSE(refused.refusal.message.isEmpty());
    // Editing an existing entry still works.
    EXPECT_EQ(DefineAxle(catalogue, {"Axle 5", "0.2"}, 5).outcome, DefineOutcome::Updated);
}

TEST(MaterialDelete, LaterEntriesMoveDownAndPartsFollowThem)
{
    DesignState workspace;
    MaterialCatalogue &catalogue = workspace.catalogue;
    DefineBoard(catalogue, board("One", "0.1", "0.001"), 0);
    DefineBoard(catalogue, board("Two", "0.2", "0.002"), 0);
    DefineBoard(catalogue, board("Three", "0.3", "0.003"), 0);
    workspace.design.MatIndex[OuterBodyPart] = 2;
    workspace.design.MatIndex[InnerBodyPart] = 3;
    workspace.design.MatIndex[DriveAxlePart] = 0;

    EXPECT_TRUE(DeleteMaterial(workspace, MaterialKind::Board, 2));
    ASSERT_EQ(catalogue.count(MaterialKind::Board), 3);
    EXPECT_EQ(catalogue.boards[2].BoardName, "Three");
    EXPECT_EQ(catalogue.boards[2].BoardThickness, "0.3");
    EXPECT_EQ(catalogue.boards[2].BoardDensity, "0.003");
    EXPECT_EQ(workspace.design.MatIndex[OuterBodyPart], 0);
    EXPECT_EQ(workspace.design.MatIndex[InnerBodyPart], 2);

    EXPECT_FALSE(DeleteMaterial(workspace, MaterialKind::Board, 0));
    EXPECT_FALSE(DeleteMaterial(workspace, MaterialKind::Board, 7));
}

TEST(MaterialDefine, ColorPickerMessageTitles)
{
    EXPECT_EQ(colorPickerRefusal(MaterialKind::Axle).title, "Colors not available");
    EXPECT_EQ(colorPickerRefusal(MaterialKind::Board).title, "Please try again.");
    EXPECT_TRUE(colorPickerRefusal(MaterialKind::Tread).message.contains("installed.  A default"));
}
