// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli challenge new, check and league --challenge: the file made and guarded, the exit
// status a script reads, and the standings' CSV with a column per rule.

#include "support/ClassFolder.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zindle;
using namespace zindle::test;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The cells of each line, quotes taken off as a spreadsheet reads them.
std::vector<QStringList> parseCsv(const QString &text)
{
    std::vector<QStringList> rows(1);
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back() << cell;
            cell.clear();
        } else if (c == '\n') {
            rows.back() << cell;
            cell.clear();
            rows.emplace_back();
        } else if (c != '\r') {
            cell += c;
        }
    }
    rows.pop_back(); // after the last line end
    return rows;
}

} // namespace

TEST(CliChallenge, NewWritesTheFileOnceAndCheckSaysWhetherADesignKeepsItsRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.json");
    const QStringList made{"challenge", "new", path, "--title", "Light", "--rule", "mass <= 0.30", "--rule",
                           "drive=rear", "--rubric", "2:Prediction explained", "--prompt-after", "What next?"};
    ASSERT_EQ(runCli(made).status, 0);
    const QByteArray first = fileBytes(path);
    const CliResult again = runCli(made);
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err, QStringLiteral("zindle-cli challenge: %1 exists already; add --force to replace it\n").arg(path));
    EXPECT_EQ(fileBytes(path), first);
    const CliResult unknown = runCli({"challenge", "new", dir.filePath("d.json"), "--rule", "weight <= 3"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("unknown rule \"weight\"; the rules are: mass,")) << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("d.json")));
    EXPECT_EQ(runCli(made + QStringList{"--force"}).status, 0);

    const CliResult legal = runCli({"check", "Racer", "--challenge", path});
    EXPECT_EQ(legal.status, 0) << legal.err.toStdString();
    EXPECT_EQ(legal.value("Legal"), "yes");
    EXPECT_EQ(legal.value("Rule2"), "drive = rear");
    EXPECT_EQ(legal.value("Rule1.Text"), "Mass 0.23 lb: within the 0.30 lb limit");

    const CliResult heavy = runCli({"check", "Tow Truck", "--challenge", path, "--json"});
    EXPECT_EQ(heavy.status, 1);
    EXPECT_EQ(heavy.err, "zindle-cli check: Mass 0.31 lb: over the 0.30 lb limit\n");
    const QJsonObject json = heavy.json();
    EXPECT_EQ(json["legal"], false);
    const QJsonObject mass = json["rules"].toArray()[0].toObject();
    EXPECT_EQ(mass["name"], "mass");
    EXPECT_EQ(mass["passed"], false);
    EXPECT_EQ(mass["value"], "0.309064567089081");
    EXPECT_EQ(mass["limit"], "0.30");
}

TEST(CliChallenge, LeaguePlacesOnlyLegalCarsAndWritesAColumnPerRule)
{
    QTemporaryDir dir;
    const QString challenge = dir.filePath("c.json");
    ASSERT_EQ(runCli({"challenge", "new", challenge, "--rule", "mass <= 0.30", "--rule", "drive = rear"}).status, 0);
    const QString folder = dir.filePath("class");
    ASSERT_TRUE(QDir().mkpath(folder));
    // Built-in designs 1 to 3: Racer, Pickup (front drive), Tow Truck (too heavy with its larger drive wheel).
    ASSERT_FALSE(writeClassDesign(folder, "a.zndl", "=HYPERLINK(\"x\")", 1).isEmpty());
    ASSERT_FALSE(writeClassDesign(folder, "b.zndl", "Pickup", 2).isEmpty());
    ASSERT_FALSE(writeClassDesign(folder, "c.zndl", "Tow Truck", 3).isEmpty());

    const CliResult result = runCli({"league", folder, "--challenge", challenge, "--csv", "-"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const std::vector<QStringList> rows = parseCsv(result.out);
    ASSERT_EQ(rows.size(), 4u) << result.out.toStdString();
    const QStringList &header = rows[0];
    const auto column = [&header](const char *name) { return header.indexOf(QString::fromUtf8(name)); };
    ASSERT_GE(column("legal"), 0);
    ASSERT_GE(column("mass <= 0.30"), 0);
    EXPECT_EQ(rows[1][column("Design")], "'=HYPERLINK(\"x\")");
    EXPECT_EQ(rows[1][column("Place")], "1");
    EXPECT_EQ(rows[1][column("legal")], "yes");
    for (size_t i = 2; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][column("Place")], "");
        EXPECT_EQ(rows[i][column("legal")], "no");
    }
    const QStringList &tow = rows[2][column("Design")] == "Tow Truck" ? rows[2] : rows[3];
    EXPECT_EQ(tow[column("broken")], "mass <= 0.30");
    EXPECT_EQ(tow[column("mass <= 0.30")], "0.324748188257217");
}

namespace {

QString program(const char *name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

QByteArray runProgram(const QString &path, const QStringList &arguments)
{
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

// A class whose cars break different rules: Racer skids and stops short of 15 ft, Pickup also
// drives the front wheels, Tow Truck is too heavy; only the Default Design with a longer spring
// keeps every rule.
struct RuleBreakers {
    QTemporaryDir dir;
    QString challenge = dir.filePath("c.json"), folder = dir.filePath("class");
    bool write()
    {
        return runCli({"challenge", "new", challenge, "--title", "Far & light", "--scoring", "distance", "--rule",
                       "mass <= 0.30", "--rule", "drive = rear", "--rule", "reaches-15ft", "--rule", "no-skid",
                       "--rubric", "2:Prediction explained"})
                   .status == 0
               && QDir().mkpath(folder) && !writeClassDesign(folder, "a.zndl", "=HYPERLINK(\"x\")", 1).isEmpty()
               && !writeClassDesign(folder, "b.zndl", "Pickup", 2).isEmpty()
               && !writeClassDesign(folder, "c.zndl", "Tow Truck", 3).isEmpty()
               && !writeClassDesign(folder, "d.zndl", "Long spring", 5).isEmpty();
    }
};

} // namespace

TEST(CliChallenge, ScoredLeagueShowsEveryRulesValueAndMarksTheBrokenOnes)
{
    RuleBreakers cars;
    ASSERT_TRUE(cars.write());
    const CliResult table = runCli({"league", cars.folder, "--challenge", cars.challenge});
    ASSERT_EQ(table.status, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.startsWith("Challenge \"Far & light\": scored by the powered distance, farthest first\n"))
        << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("Score  mass <= 0.30  drive = rear  reaches-15ft  no-skid  Legal\n"));
    EXPECT_TRUE(table.out.contains("front!")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("    1  Long spring  ")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("  14.70 ft!    skid!  no\n")) << table.out.toStdString();

    const QString page = cars.dir.filePath("class.html");
    ASSERT_EQ(runCli({"league", cars.folder, "--challenge", cars.challenge, "--html", page, "--json"}).status, 0);
    const QString html = QString::fromUtf8(fileBytes(page));
    EXPECT_TRUE(html.contains("Far &amp; light")) << html.toStdString();
    EXPECT_TRUE(html.contains("<td class=\"n fail\">front!</td>"));
    EXPECT_TRUE(html.contains("<th class=\"rule\">mass &lt;= 0.30</th>"));
}

TEST(CliChallenge, ClassCsvReadsIntoNumbersWithNamesAsText)
{
    const QString python = program("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    RuleBreakers cars;
    ASSERT_TRUE(cars.write());
    const QString csv = cars.dir.filePath("grades.csv");
    ASSERT_EQ(runCli({"league", cars.folder, "--class-csv", csv}).status, 2);
    ASSERT_EQ(runCli({"league", cars.folder, "--challenge", cars.challenge, "--class-csv", csv}).status, 0);
    // Every cell a number where a number belongs, as a gradebook's import reads it.
    const QJsonArray rows = QJsonDocument::fromJson(runProgram(
        python, {"-c", "import csv, json, sys\n"
                       "rows = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))\n"
                       "out = [rows[0]]\n"
                       "for r in rows[1:]:\n"
                       "    out.append(r[:3] + [float(c) for c in (r[3:5] + r[6:8])] + [r[5], r[8]])\n"
                       "print(json.dumps(out))",
                 csv})).array();
    ASSERT_EQ(rows.size(), 5) << fileBytes(csv).toStdString();
    EXPECT_EQ(rows[0].toArray().toVariantList(),
              QVariantList({"name", "file", "legal", "score", "mass <= 0.30", "drive = rear", "reaches-15ft", "no-skid",
                            "Prediction explained (weight 2)"}));
    const QJsonArray first = rows[1].toArray();
    EXPECT_EQ(first[0].toString(), "'=HYPERLINK(\"x\")");
    EXPECT_TRUE(first[1].toString().endsWith("a.zndl"));
    EXPECT_EQ(first[2].toString(), "no");
    EXPECT_EQ(first[3].toDouble(), 14.7); // the score: its distance
    EXPECT_EQ(first[5].toDouble(), 0.0);  // short of 15 ft
    EXPECT_EQ(first[6].toDouble(), 0.0);  // skids
    EXPECT_EQ(first[8].toString(), "");   // left for the teacher
    const QJsonArray pickup = rows[2].toArray(), tow = rows[3].toArray(), legal = rows[4].toArray();
    EXPECT_EQ(pickup[7].toString(), "front");
    EXPECT_NEAR(tow[4].toDouble(), 0.3247, 1e-4);
    EXPECT_EQ(legal[2].toString(), "yes");
    EXPECT_EQ(legal[5].toDouble(), 1.0);
}

TEST(CliChallenge, PortfolioCarriesTheJournalBesideTheDesignAndItsAnswers)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString design = dir.filePath("Racer.zndl"), challenge = dir.filePath("c.json"), pdf = dir.filePath("p.pdf");
    ASSERT_EQ(runCli({"save", "Racer", design}).status, 0);
    ASSERT_EQ(runCli({"challenge", "new", challenge, "--title", "Light", "--rule", "mass <= 0.2", "--prompt-after",
                      "What next?"})
                  .status,
              0);
    QFile journal(design + ".journal.json");
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write(R"({"format": "zindle-journal", "version": 1, "versions": [
        {"when": "2026-12-11T10:02:31Z", "design": "AA==", "reaches15ft": true, "timeS": 1.41, "massLb": 0.23,
         "note": "longer spring"},
        {"when": "2026-12-11T10:09:04Z", "design": "AQ==", "reaches15ft": false, "timeS": 1.37, "massLb": 0.23}],
        "answers": [{"prompt": "What next?", "answer": "A bigger drive wheel", "when": "2026-12-11T11:00:00Z"}]})");
    journal.close();

    const CliResult made = runCli({"portfolio", design, pdf, "--challenge", challenge, "--page", "a4"});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(made.value("Pages"), "4");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pages.contains(QRegularExpression(QStringLiteral("1 +2026-12-11 10:02 +1\\.41 +0\\.230 +longer spring"))))
        << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("[1.37]")));
    EXPECT_TRUE(pages.contains(QStringLiteral("A bigger drive wheel")));
    EXPECT_TRUE(pages.contains(QRegularExpression(QStringLiteral("broken +mass <= 0\\.2"))));

    // A journal that cannot be read is named; the portfolio is made without its versions.
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly | QIODevice::Truncate));
    journal.write("{");
    journal.close();
    const CliResult broken = runCli({"portfolio", design, pdf, "--page", "letter"});
    EXPECT_EQ(broken.status, 0);
    EXPECT_TRUE(broken.err.contains("Racer.zndl.journal.json")) << broken.err.toStdString();
}
