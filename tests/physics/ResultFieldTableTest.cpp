// SPDX-License-Identifier: GPL-3.0-or-later
// The result field table: every result has one row, rows name their field, and the design's
// numbers a step reads are the texts as every step has always read them.

#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "model/DesignNumbers.h"
#include "physics/ResultFieldTable.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace zindle;

TEST(ResultFieldTable, EveryResultHasExactlyOneRowAndEveryRowOneSource)
{
    std::set<std::string> names;
    std::vector<QString ResultFields::*> results;
    for (const ResultFieldRow &row : resultFieldTable()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " is in the table twice";
        EXPECT_NE(row.result == nullptr, row.parameter == nullptr) << row.name;
        if (row.result) {
            EXPECT_EQ(std::find(results.begin(), results.end(), row.result), results.end()) << row.name;
            results.push_back(row.result);
        }
        EXPECT_EQ(resultFieldRow(QString::fromLatin1(row.name)), &row);
        // A row the report prints has its words; a row it leaves out has none.
        EXPECT_EQ(row.report.block == ReportBlock::None, std::string(row.report.label).empty()) << row.name;
    }
    // A member added to ResultFields without a row would be shown by no front end.
    EXPECT_EQ(results.size(), sizeof(ResultFields) / sizeof(QString));
    EXPECT_EQ(resultFieldRow(u"NoSuchEF"), nullptr);
}

TEST(ResultFieldTable, RowsReadTheFieldTheyAreNamedFor)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 1);
    ResultFields &r = ws.results;
    r.CaseIDEF = QStringLiteral("2.5");
    r.TimeEF = QStringLiteral("[3.45]");
    ws.design.DriveWhlDia = QStringLiteral("4.80");
    EXPECT_EQ(resultFieldRow(u"CaseIDEF")->value(ws.design, r), QStringLiteral("2.5"));
    EXPECT_EQ(resultFieldRow(u"TimeEF")->value(ws.design, r), QStringLiteral("[3.45]"));
    EXPECT_EQ(resultFieldRow(u"DriveWhlDiaEF")->value(ws.design, r), QStringLiteral("4.80"));
    EXPECT_STREQ(resultFieldRow(u"CaseIDEF")->caption, "Case inner dia (in)");
    EXPECT_STREQ(resultFieldRow(u"ProjectedMassEF")->helpPath, "/help/h-totalmass.html");
    EXPECT_EQ(resultFieldRow(u"RevisedLabel")->cli, CliListing::Run);
}

TEST(DesignNumbers, TextsReadAsTheStepsReadThemAndNonNumbersAsZero)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    DesignRecord &d = ws.design;
    d.SpringWidth = QStringLiteral("1.5");
    d.DriveWhlDia = QStringLiteral("4.80");
    d.OtherAxleLength = QStringLiteral("seven");
    d.Friction = QStringLiteral("0.05");
    const DesignNumbers n = ParseDesignNumbers(d, ws.catalogue);
    EXPECT_EQ(n.SpringWidth, 1.5f);
    EXPECT_EQ(n.DriveWhlDia, floatOr(QStringLiteral("4.80"), -1.0f));
    EXPECT_EQ(n.OtherAxleLength, 0.0f);
    EXPECT_EQ(n.Friction, 0.05f);
    EXPECT_EQ(n.SpringMaxTorque, floatOr(ws.catalogue.springs[0].SpringTorqueCurve[0], -1.0f));
    EXPECT_EQ(n.TreadFriction, floatOr(ws.catalogue.treads[0].TreadFriction, -1.0f));
}
