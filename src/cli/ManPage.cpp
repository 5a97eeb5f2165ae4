// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManPage.h"

#include <QRegularExpression>

namespace zindle::cli {

namespace {

bool isIndented(const QString &line)
{
    return !line.isEmpty() && line.front().isSpace();
}

int indentOf(const QString &line)
{
    int n = 0;
    while (n < line.size() && line[n].isSpace())
        ++n;
    return n;
}

// Troff starts a request or a macro at a '.' or '\'' in the first column; "\&" keeps the line text.
QString escapedLine(const QString &line)
{
    QString escaped = troffEscaped(line);
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QStringLiteral("\\&"));
    return escaped;
}

// The help texts lay out term/definition tables as "  term    definition" with wrapped
// definitions indented to the definition's column; those become .TP items so that the page
// reflows to any terminal width. Prose becomes filled paragraphs, and any other indented line is
// kept as laid out.
void appendHelpText(QString &page, const QString &text)
{
    static const QRegularExpression termLine(QStringLiteral("^(\\s+)(\\S.*?)\\s{2,}(\\S.*)$"));
    enum class Block { Prose, Item, Verbatim } block = Block::Prose;
    int itemIndent = 0;
    bool startOfParagraph = true;
    const auto leaveVerbatim = [&] {
        if (block == Block::Verbatim)
            page += QStringLiteral(".fi\n");
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed().isEmpty() ? QString() : rawLine;
        if (line.isEmpty()) {
            leaveVerbatim();
            block = Block::Prose;
            startOfParagraph = true;
            continue;
        }
        if (!isIndented(line)) {
            leaveVerbatim();
            if (block != Block::Prose || startOfParagraph)
                page += QStringLiteral(".PP\n");
            block = Block::Prose;
            startOfParagraph = false;
            page += escapedLine(line) + QLatin1Char('\n');
            continue;
        }
        if (block == Block::Item && indentOf(line) > itemIndent && !termLine.match(line).hasMatch()) {
            page += escapedLine(line.trimmed()) + QLatin1Char('\n');
            continue;
        }
        const QRegularExpressionMatch item = termLine.match(line);
        if (item.hasMatch()) {
            leaveVerbatim();
            block = Block::Item;
            itemIndent = indentOf(line);
            page += QStringLiteral(".TP\n\\fB") + troffEscaped(item.captured(2)) + QStringLiteral("\\fR\n")
                    + escapedLine(item.captured(3)) + QLatin1Char('\n');
            continue;
        }
        if (block != Block::Verbatim) {
            if (block == Block::Item)
                page += QStringLiteral(".PP\n");
            page += QStringLiteral(".nf\n");
            block = Block::Verbatim;
        }
        page += escapedLine(line) + QLatin1Char('\n');
    }
    leaveVerbatim();
}

// "Usage: zindle-cli save DESIGN OUT.zndl" and the lines that continue it: the synopsis of one
// command, taken off the front of its help text. A continued line that begins with the program's
// name again is a further form of the command (runs add ..., runs list ...).
QStringList takeUsage(QString &help)
{
    static const QString Prefix = QStringLiteral("Usage: ");
    if (!help.startsWith(Prefix))
        return {};
    QStringList lines = help.split(QLatin1Char('\n'));
    QStringList usages{lines.takeFirst().mid(Prefix.size()).trimmed()};
    const QString program = usages.front().section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ');
    while (!lines.isEmpty() && isIndented(lines.front())) {
        const QString line = lines.takeFirst().trimmed();
        if (line.startsWith(program))
            usages << line;
        else
            usages.back() += QLatin1Char(' ') + line;
    }
    help = lines.join(QLatin1Char('\n'));
    return usages;
}

// The program and command words of a synopsis in bold, the arguments in roman.
QString synopsisLine(const QString &usage, int boldWords)
{
    QStringList words = usage.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString line;
    for (int i = 0; i < words.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(' ');
        const QString word = troffEscaped(words[i]);
        line += i < boldWords ? QStringLiteral("\\fB") + word + QStringLiteral("\\fR") : word;
    }
    return line;
}

} // namespace

QString troffEscaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            escaped += QStringLiteral("\\e");
        } else if (c == QLatin1Char('-')) {
            // A hyphen inside a word ("spring-powered") may be typeset as one; every other is a
            // minus or an option's dash and must come out as the ASCII character.
            const bool inWord = i > 0 && i + 1 < text.size() && text[i - 1].isLetter() && text[i + 1].isLetter();
            escaped += inWord ? QStringLiteral("-") : QStringLiteral("\\-");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString manPage(const ManPageSource &source)
{
    QString page;
    page += QStringLiteral(".TH %1 1 \"\" \"%2 %3\" \"User Commands\"\n")
                .arg(source.program.toUpper(), source.program, source.version);
    // No hyphenation (a command name broken at a line end could not be copied whole) and ragged
    // right (a justified synopsis would stretch the spaces between arguments).
    page += QStringLiteral(".nh\n.ad l\n");
    page += QStringLiteral(".SH NAME\n") + QString(source.program).replace(QLatin1Char('-'), QStringLiteral("\\-"))
            + QStringLiteral(" \\- ") + troffEscaped(source.summary) + QLatin1Char('\n');

    page += QStringLiteral(".SH SYNOPSIS\n");
    for (qsizetype i = 0; i < source.synopsis.size(); ++i) {
        if (i > 0)
            page += QStringLiteral(".br\n");
        page += synopsisLine(source.synopsis[i], 1) + QLatin1Char('\n');
    }

    page += QStringLiteral(".SH DESCRIPTION\n");
    appendHelpText(page, source.description);
    if (!source.options.isEmpty()) {
        page += QStringLiteral(".SH OPTIONS\n");
        appendHelpText(page, source.options);
    }

    if (!source.commands.empty())
        page += QStringLiteral(".SH COMMANDS\n");
    for (const ManPageSection &command : source.commands) {
        page += QStringLiteral(".SS ") + troffEscaped(command.title) + QLatin1Char('\n');
        QString help = command.text;
        const QStringList usages = takeUsage(help);
        for (qsizetype i = 0; i < usages.size(); ++i)
            page += (i == 0 ? QStringLiteral(".PP\n") : QStringLiteral(".br\n")) + synopsisLine(usages[i], 2)
                    + QLatin1Char('\n');
        appendHelpText(page, help);
    }

    if (!source.seeAlso.isEmpty()) {
        page += QStringLiteral(".SH SEE ALSO\n");
        QStringList references;
        static const QRegularExpression reference(QStringLiteral("^(.*)\\((\\w+)\\)$"));
        for (const QString &name : source.seeAlso) {
            const QRegularExpressionMatch match = reference.match(name);
            const QString comma = references.size() + 1 < source.seeAlso.size() ? QStringLiteral(",") : QString();
            references << (match.hasMatch()
                               ? QStringLiteral(".BR %1 (%2)%3").arg(troffEscaped(match.captured(1)), match.captured(2), comma)
                               : troffEscaped(name) + comma);
        }
        page += references.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return page;
}

} // namespace zindle::cli
