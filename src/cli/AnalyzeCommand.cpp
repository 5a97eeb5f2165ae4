// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalyzeCommand.h"

#include "Cli.h"
#include "files/PathText.h"
#include "PhysicsOutput.h"
#include "model/NumberText.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AnalyzeCommand)
};

} // namespace

const char *const AnalyzeHelp =
    "Usage: zindle-cli analyze DESIGN [--element-size N] [--json]\n"
    "Runs the Analyze refresh (build geometry, torque, mass and balance, revolutions, forces,\n"
    "advisories) and prints Field=Text for each result field, then one Advisory=<text> line\n"
    "per advisory shown. --element-size sets the element size in points (default: the\n"
    "design's, normally 9); --json prints one JSON object instead.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

int analyzeCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--element-size")}, parsed, error)
        || parsed.positional.size() != 1) {
        if (!error.isEmpty())
            err << "zindle-cli analyze: " << printableText(error) << '\n';
        err << AnalyzeHelp;
        return UsageFailure;
    }
    const QString size = parsed.value(QStringLiteral("--element-size"));
    if (!size.isEmpty() && !parseInteger(size)) {
        err << "zindle-cli analyze: " << Texts::tr("the element size must be a whole number of points") << '\n';
        return UsageFailure;
    }

    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    if (!size.isEmpty())
        workspace.design.StepSize = size.trimmed();
    RefreshPhysicsMode(workspace, SheetMode::Analyze);

    const Fields fields = analyzeFields(workspace);
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object = fieldsJson(fields);
        addAdvisoriesJson(object, workspace);
        printJson(object, out);
    } else {
        printFields(fields, out);
        printAdvisories(workspace, out);
    }
    return Success;
}

} // namespace zindle::cli
