// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageLanguage.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace zindle::cli {

namespace {

class MessageTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        return isMessageContext(context) ? QTranslator::translate(context, sourceText, disambiguation, n) : QString();
    }
};

} // namespace

bool isMessageContext(const char *context)
{
    if (!context)
        return false;
    // A file that cannot be read or written, a sweep's ranges refused, a text that is not a
    // number; a logbook left as it is and the runs a calibration left out; a run or a heat
    // refused as typed; an optimiser's ranges refused; a challenge's rule refused or broken.
    for (const char *lower : {"FileErrors", "PowerDesigner", "Optimiser", "NumberText", "TrackFit", "LoggedRuns", "RaceDayLog",
                              "DesignLogEdits", "MeasuredRun", "RaceDay", "Challenge", "ChallengeCheck"})
        if (std::strcmp(context, lower) == 0)
            return true;
    const size_t length = std::strlen(context);
    constexpr size_t suffix = sizeof("Command") - 1;
    return std::strcmp(context, "Cli") == 0
           || (length > suffix && std::strcmp(context + length - suffix, "Command") == 0);
}

QString installMessageLanguage(QCoreApplication &application, const QString &code, const QString &folder)
{
    if (code == QLatin1String("en"))
        return {};
    auto *translator = new MessageTranslator(&application);
    if (folder.isEmpty() || !translator->load(QStringLiteral("zindle_") + code, folder)) {
        delete translator;
        return QStringLiteral("zindle-cli: no translation for \"%1\" was found; the messages are in English.").arg(code);
    }
    QCoreApplication::installTranslator(translator);
    return {};
}

} // namespace zindle::cli
