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
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <gtest/gtest.h>
#include <climits>
#include <random>

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
