#include "cli/clicheck.h"

#include "cli/clicommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillet::cli {

namespace {

const QList<PageState> allStates{PageState::Converted, PageState::Restored, PageState::Unmarked,
                                 PageState::Drifted,   PageState::None,     PageState::Unreadable};

qsizetype countOf(const QList<CheckedPage>& pages, PageState state)
{
    return std::count_if(pages.begin(), pages.end(),
                         [&](const CheckedPage& page) { return page.check.state == state; });
}

// Where the page's copy of the menu stands: what align would replace.
QString copyLine(const PageCheck& check)
{
    if (check.state != PageState::Drifted)
        return {};
    if (check.firstLine == 0)
        return QStringLiteral("メニューらしい所が二つ以上あります (align では揃えません)。");
    return QString::number(check.firstLine) + u'-' + QString::number(check.lastLine) +
           QStringLiteral(" 行目がメニューの写しです (align で置き換わります)。");
}

QStringList textLines(const QList<CheckedPage>& pages)
{
    QStringList lines;
    for (const CheckedPage& page : pages) {
        QString line = pageStateName(page.check.state).leftJustified(11) + page.path;
        if (!page.check.error.isEmpty())
            line += QStringLiteral(" (") + page.check.error + u')';
        lines.append(line);
        if (const QString copy = copyLine(page.check); !copy.isEmpty())
            lines.append(QStringLiteral("    ") + copy);
        for (const QString& hunkLine : page.check.drift)
            lines.append(QStringLiteral("    ") + hunkLine);
    }
    QStringList counts;
    for (PageState state : allStates) {
        if (const qsizetype n = countOf(pages, state))
            counts.append(pageStateName(state) + u' ' + QString::number(n));
    }
    lines.append(QString::number(pages.size()) + QStringLiteral(" ページ") +
                 (counts.isEmpty() ? QString() : QStringLiteral(": ") + counts.join(u", ")) +
                 (isInStep(pages)
                      ? QStringLiteral("。メニューと一致しています。")
                      : QStringLiteral("。メニューと一致していないページがあります。")));
    return lines;
}

QJsonObject jsonReport(const QString& project, const QList<CheckedPage>& pages)
{
    QJsonArray pageArray;
    for (const CheckedPage& page : pages) {
        QJsonObject object{{QStringLiteral("path"), page.path},
                           {QStringLiteral("state"), pageStateName(page.check.state)}};
        if (page.check.state == PageState::Drifted) {
            object.insert(QStringLiteral("diff"), QJsonArray::fromStringList(page.check.drift));
            if (page.check.firstLine > 0) {
                object.insert(QStringLiteral("firstLine"), page.check.firstLine);
                object.insert(QStringLiteral("lastLine"), page.check.lastLine);
            }
        }
        if (!page.check.error.isEmpty())
            object.insert(QStringLiteral("error"), page.check.error);
        pageArray.append(object);
    }
    QJsonObject summary{{QStringLiteral("pages"), pages.size()}};
    for (PageState state : allStates)
        summary.insert(pageStateName(state), countOf(pages, state));
    return {{QStringLiteral("project"), project},
            {QStringLiteral("pages"), pageArray},
            {QStringLiteral("summary"), summary},
            {QStringLiteral("inStep"), isInStep(pages)}};
}

} // namespace

bool isInStep(const QList<CheckedPage>& pages)
{
    return countOf(pages, PageState::Restored) == pages.size() ||
           countOf(pages, PageState::Converted) == pages.size();
}

int reportCheck(const QString& project, const QList<CheckedPage>& pages, bool json,
                Console& console)
{
    if (json) {
        const QByteArray document = QJsonDocument(jsonReport(project, pages)).toJson();
        console.writeOut(QString::fromUtf8(document).trimmed());
    } else {
        console.writeOutLines(textLines(pages));
    }
    return isInStep(pages) ? exitSuccess : exitPageFailed;
}

} // namespace quillet::cli
