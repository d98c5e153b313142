#include "cli/climanpage.h"

#include "cli/clihelp.h"
#include "cli/clitable.h"

#include "appversion.h"

#include <QRegularExpression>
#include <algorithm>

namespace quillet::cli {

namespace {

// Text as roff reads it: "-" as a minus, so options and markers copy as typed.
QString roffText(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (escaped.startsWith(u'.') || escaped.startsWith(u'\''))
        escaped.prepend(QStringLiteral("\\&"));
    return escaped;
}

// The help's lines are broken for a terminal; roff fills the text itself.
QString roffParagraph(const QString& text)
{
    return roffText(text.split(u'\n').join(u' '));
}

// Options and command words in bold, the values to fill in (NAME, FILE, #RRGGBB) in italics.
QString roffUsage(const QString& usage)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9#.-]+"));
    const QString line = usage.simplified();
    QString roff;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : word.globalMatch(line)) {
        roff += roffText(line.mid(done, match.capturedStart() - done));
        const QString text = match.captured();
        const bool value = !text.startsWith(u'-') && text == text.toUpper();
        roff += (value ? QStringLiteral("\\fI") : QStringLiteral("\\fB")) + roffText(text) +
                QStringLiteral("\\fR");
        done = match.capturedEnd();
    }
    return roff + roffText(line.mid(done));
}

QString synopsis()
{
    // Each usage on a line of its own; a long one goes on indented.
    QStringList lines{QStringLiteral(".nh"), QStringLiteral(".ad l"), QStringLiteral(".in +4n")};
    QStringList usages;
    for (const CommandEntry& help : commandTable())
        usages.append(usagePrefix() + help.usage);
    usages.append(QStringLiteral("quillet-cli --version"));
    usages.append(QStringLiteral("quillet-cli [COMMAND] --help"));
    for (const QString& usage : std::as_const(usages)) {
        lines.append(QStringLiteral(".ti -4n"));
        lines.append(roffUsage(usage));
        lines.append(QStringLiteral(".br"));
    }
    lines.append({QStringLiteral(".in"), QStringLiteral(".ad"), QStringLiteral(".hy")});
    return lines.join(u'\n');
}

QString commands()
{
    QStringList lines;
    for (const CommandEntry& help : commandTable()) {
        // The usage from the command's word on; the options before it are told below.
        QStringList words = help.usage.simplified().split(u' ');
        words.remove(0, std::max<qsizetype>(words.indexOf(help.word), 0));
        lines.append(QStringLiteral(".TP"));
        lines.append(roffUsage(words.join(u' ')));
        lines.append(roffParagraph(help.description));
    }
    return lines.join(u'\n');
}

QString options()
{
    QStringList lines;
    for (const OptionEntry& help : optionTable()) {
        QStringList names = help.option.split(QStringLiteral(", "));
        for (QString& name : names)
            name = QStringLiteral("\\fB") + roffText(name) + QStringLiteral("\\fR");
        QString tag = names.join(QStringLiteral(", "));
        if (!help.value.isEmpty())
            tag += QStringLiteral(" \\fI") + roffText(help.value) + QStringLiteral("\\fR");
        lines.append(QStringLiteral(".TP"));
        lines.append(tag);
        lines.append(roffParagraph(help.description));
    }
    return lines.join(u'\n');
}

QString exitStatuses()
{
    QStringList lines;
    for (const ExitStatusEntry& help : exitStatusTable()) {
        lines.append(QStringLiteral(".TP"));
        lines.append(QStringLiteral(".B ") + QString::number(help.status));
        lines.append(roffParagraph(help.meaning));
    }
    return lines.join(u'\n');
}

} // namespace

QString filledManPage(const QString& manTemplate)
{
    QStringList lines = manTemplate.split(u'\n');
    for (QString& line : lines) {
        if (line == QStringLiteral("@SYNOPSIS@"))
            line = synopsis();
        else if (line == QStringLiteral("@COMMANDS@"))
            line = commands();
        else if (line == QStringLiteral("@OPTIONS@"))
            line = options();
        else if (line == QStringLiteral("@EXIT_STATUS@"))
            line = exitStatuses();
        else
            line.replace(QStringLiteral("@PROJECT_VERSION@"), QLatin1StringView(appVersion));
    }
    return lines.join(u'\n');
}

} // namespace quillet::cli
