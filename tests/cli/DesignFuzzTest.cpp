// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded mutations of every built-in design's file, each shown and simulated as `zindle-cli show`
// and `simulate` would: no crash, no sanitizer report, no runaway memory, no input that runs
// for ages. Under the sanitizer build the limits below make AddressSanitizer itself stop a
// runaway allocation; ZINDLE_FUZZ_INPUTS raises the count for a longer hunt.

#include "cli/ShowCommand.h"
#include "files/DesignFile.h"
#include "model/BuiltInDesigns.h"
#include "support/RichDesign.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <random>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

// An address-space limit would stop AddressSanitizer at start-up; its own limits do the job.
extern "C" const char *__asan_default_options()
{
    return "hard_rss_limit_mb=3072:max_allocation_size_mb=1024:allocator_may_return_null=0:detect_leaks=0";
}

using namespace zindle;

namespace {

const QString InterestingTexts[] = {"0", "-0", "1", "-1", "0.0001", "1e-30", "1e-38", "7.5", "999", "1000", "-1000",
                                    "1e6", "1e38", "-1e38", "3.4e38", "1e39", "nan", "inf", "", "abc", "1,5",
                                    "99999999999", "0.5e", ".", "-", "2147483648"};
const int InterestingIntegers[] = {0, 1, -1, 2, 255, 256, 257, 720, 540, 10000, -10000, 10001, INT_MAX, INT_MIN};
const float InterestingFloats[] = {0.0f, -0.0f, 1.0f, -1.0f, 1e-30f, 0.0001f, 115.0f, 720.0f, -720.0f, 1e4f, 1e30f};

template <typename T, size_t N>
const T &pick(std::mt19937 &random, const T (&values)[N])
{
    return values[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

int below(std::mt19937 &random, int n) { return std::uniform_int_distribution<int>(0, std::max(0, n - 1))(random); }

Workspace richDesign(int builtIn)
{
    Workspace workspace;
    test::makeRich(workspace, builtIn);
    return workspace;
}

// One change a student, a damaged disk or a hostile file might make to the design's values.
void mutateValues(Workspace &w, std::mt19937 &random)
{
    DesignRecord &d = w.design;
    switch (below(random, 9)) {
    case 0: *parameterFields(d)[static_cast<size_t>(below(random, 8))] = pick(random, InterestingTexts); break;
    case 1: {
        QString *prefs[] = {&d.StepSize, &d.CaseRatio, &d.Friction};
        *prefs[below(random, 3)] = pick(random, InterestingTexts);
        break;
    }
    case 2:
        if (!d.OuterPts.empty()) {
            QPoint &p = d.OuterPts[static_cast<size_t>(below(random, int(d.OuterPts.size())))];
            (below(random, 2) ? p.rx() : p.ry()) = pick(random, InterestingIntegers);
        }
        break;
    case 3: d.Weights[static_cast<size_t>(below(random, 3))] = {pick(random, InterestingIntegers), below(random, 600),
                                                                 pick(random, InterestingFloats), {}};
        break;
    case 4: (below(random, 2) ? d.FrontAxleXPt : d.FrontAxleYPt) = pick(random, InterestingFloats); break;
    case 5: w.catalogue.boards.back().BoardThickness = pick(random, InterestingTexts); break;
    case 6: w.catalogue.springs.back().SpringTorqueCurve[static_cast<size_t>(below(random, 49))] = pick(random, InterestingTexts); break;
    case 7: w.catalogue.treads.back().TreadFriction = pick(random, InterestingTexts); break;
    default: d.OuterPts.resize(static_cast<size_t>(below(random, 4))); break;
    }
}

// Byte-level damage on top: flips, an integer overwritten, a cut, junk at the end.
void mutateBytes(QByteArray &bytes, std::mt19937 &random)
{
    switch (below(random, 5)) {
    case 0:
        for (int i = below(random, 4) + 1; i > 0; --i)
            bytes[below(random, int(bytes.size()))] = static_cast<char>(below(random, 256));
        break;
    case 1: {
        const int at = below(random, int(bytes.size()) / 4) * 4;
        const qint32 value = pick(random, InterestingIntegers);
        if (at + 4 <= bytes.size())
            std::memcpy(bytes.data() + at, &value, 4);
        break;
    }
    case 2: bytes.truncate(below(random, int(bytes.size()))); break;
    case 3: bytes.append(QByteArray(below(random, 64), static_cast<char>(below(random, 256)))); break;
    default: break; // values only
    }
}

} // namespace

TEST(DesignFuzz, MutatedDesignsAreShownAndSimulatedWithoutHarm)
{
    const int inputs = qEnvironmentVariableIsSet("ZINDLE_FUZZ_INPUTS") ? qEnvironmentVariableIntValue("ZINDLE_FUZZ_INPUTS") : 3000;
    std::mt19937 random(20261208);
    int read = 0;
    qint64 slowest = 0;
    for (int input = 0; input < inputs; ++input) {
        Workspace source = richDesign(input % 5);
        for (int changes = below(random, 3) + 1; changes > 0; --changes)
            mutateValues(source, random);
        QByteArray bytes = EncodeDesign(source.design, source.catalogue, QStringLiteral("Fuzz %1").arg(input));
        mutateBytes(bytes, random);

        QElapsedTimer clock;
        clock.start();
        Workspace workspace;
        PrepareForFileRead(workspace);
        if (ReadBinaryDesign(workspace, bytes, QStringLiteral("fuzz.zndl")).ok()) {
            ++read;
            workspace.list.CurrentDesign = workspace.list.append(QStringLiteral("Fuzz"), QStringLiteral("fuzz.zndl"), true);
            QString shown;
            QTextStream out(&shown);
            cli::printDesign(workspace, out);
            workspace.scale = HeadlessSheetScale();
            PrepareEntireCycle(workspace);
            RefreshPhysicsMode(workspace, SheetMode::Simulate);
        }
        slowest = std::max(slowest, clock.elapsed());
        // A generous bound that only a runaway input reaches, even in a sanitizer build.
        ASSERT_LT(clock.elapsed(), 30000) << "input " << input << " ran for " << clock.elapsed() << " ms";
    }
    // The mutations must reach the physics, not only the reader's refusals.
    EXPECT_GT(read, inputs / 4);
    std::printf("%d inputs, %d read and simulated, slowest %lld ms\n", inputs, read, static_cast<long long>(slowest));
}

namespace {

// What one run of zindle-cli took: processor time (user and system, so that other work on a
// shared machine does not count) and its peak resident memory.
struct Usage {
    int status = -1;
    double cpuSeconds = 0.0;
    double peakMb = 0.0;
};

Usage runMeasured(const QStringList &arguments)
{
    std::vector<QByteArray> owned{QByteArrayLiteral(ZINDLE_CLI_PATH)};
    for (const QString &argument : arguments)
        owned.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    Usage usage;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return usage;
    int status = 0;
    struct rusage used {};
    if (::wait4(pid, &status, 0, &used) != pid)
        return usage;
    usage.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    usage.cpuSeconds = used.ru_utime.tv_sec + used.ru_utime.tv_usec / 1e6 + used.ru_stime.tv_sec + used.ru_stime.tv_usec / 1e6;
    usage.peakMb = used.ru_maxrss / 1024.0;
    return usage;
}

// Designs the reader accepts whose parts are as large as its ranges allow: outlines that span
// the whole +-10,000-point square, a drive axle 200 in thick, a case ratio of 1e-30.
std::vector<std::pair<QString, Workspace>> hugeDesigns()
{
    std::vector<std::pair<QString, Workspace>> designs;
    const auto add = [&](const QString &name, const std::function<void(DesignRecord &)> &change) {
        Workspace workspace = richDesign(0);
        change(workspace.design);
        designs.emplace_back(name, std::move(workspace));
    };
    const int m = MaxSheetCoordinate;
    add(QStringLiteral("bow tie"), [m](DesignRecord &d) {
        d.OuterPts = {QPoint(-m, -m), QPoint(m, m), QPoint(m, -m), QPoint(-m, m)};
        d.InnerPts = d.OuterPts;
    });
    add(QStringLiteral("star"), [m](DesignRecord &d) {
        // 256 points that swing from one edge of the range to the other.
        d.OuterPts.clear();
        for (int i = 0; i < 256; ++i) {
            const double angle = i * 2.0 * M_PI * 101.0 / 256.0;
            d.OuterPts.emplace_back(static_cast<int>(m * std::cos(angle)), static_cast<int>(m * std::sin(angle)));
        }
        d.InnerPts = {QPoint(-m, m), QPoint(m, m), QPoint(0, -m)};
    });
    add(QStringLiteral("thick axle"), [](DesignRecord &d) { d.DriveAxleDia = QStringLiteral("200"); });
    add(QStringLiteral("tiny case ratio"), [](DesignRecord &d) { d.CaseRatio = QStringLiteral("1e-30"); });
    return designs;
}

} // namespace

TEST(DesignFuzz, EveryCommandOnTheLargestPartsEndsInTwoSecondsAndHalfAGigabyte)
{
#ifdef ZINDLE_SANITIZE
    // Unoptimised and instrumented: the sanitizer build runs some ten times slower (more when
    // another test runs beside it) and keeps shadow memory beside every allocation; the bound
    // only catches a runaway there, the optimised build holds the two seconds.
    const double cpuLimit = 60.0, memoryLimitMb = 1500.0;
#else
    const double cpuLimit = 2.0, memoryLimitMb = 500.0;
#endif
    QTemporaryDir dir;
    for (const auto &[name, source] : hugeDesigns()) {
        const QString path = dir.filePath(name + QStringLiteral(".zndl"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncodeDesign(source.design, source.catalogue, name));
        file.close();

        // The window's refresh on opening it, here in the test's own process.
        Workspace workspace;
        PrepareForFileRead(workspace);
        QByteArray bytes = EncodeDesign(source.design, source.catalogue, name);
        ASSERT_TRUE(ReadBinaryDesign(workspace, bytes, path).ok()) << name.toStdString();
        workspace.list.CurrentDesign = workspace.list.append(name, path, true);
        workspace.scale = HeadlessSheetScale();
        QElapsedTimer clock;
        clock.start();
        RefreshMode(workspace, SheetMode::Design);
        EXPECT_LT(clock.elapsed(), cpuLimit * 1000.0) << name.toStdString() << ": the Design refresh";

        const QList<QStringList> commands = {
            {"show", path}, {"analyze", path}, {"simulate", path}, {"race", path, "Racer"},
            {"report", path, dir.filePath("r.pdf")}, {"templates", path, dir.filePath("t.pdf")},
            {"templates", path, dir.filePath("c.svg")}, {"templates", path, dir.filePath("c.dxf")},
            {"sweep", path, "--wheel", "4:7.5:1", "--threads", "1"}};
        for (const QStringList &command : commands) {
            const Usage usage = runMeasured(command);
            const std::string what = name.toStdString() + ": " + command.first().toStdString() + " "
                                     + command.last().toStdString();
            EXPECT_GE(usage.status, 0) << what;
            EXPECT_LT(usage.status, 128) << what << " ended by a signal";
            EXPECT_LT(usage.cpuSeconds, cpuLimit) << what;
            EXPECT_LT(usage.peakMb, memoryLimitMb) << what;
        }
    }
}
