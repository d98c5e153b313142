#pragma once

#include "cli/cli.h"
#include "cli/console.h"
#include "common/testfiles.h"

#include <QStringList>
#include <QTemporaryDir>

// Consoles, files and project texts built in code for the command-line tests.
namespace quillet::fixtures {

// Keeps what a command prints instead of writing it to the process's streams.
class RecordingConsole : public cli::Console
{
public:
    QStringList out;
    QStringList errors;

    void writeOut(const QString& line) override { out.append(line); }
    void writeError(const QString& line) override { errors.append(line); }
};

// A page with the given lines between its menu markers, then its body.
inline QString page(const QString& title, const QStringList& betweenMarkers, const QString& body)
{
    using namespace Qt::StringLiterals;
    return crlfLines(QStringList{u"<html>"_s, u"<head><title>"_s + title + u"</title></head>"_s,
                                 u"<body>"_s, u"<!--MenuStart-->"_s} +
                     betweenMarkers +
                     QStringList{u"<!--MenuEnd-->"_s, body, u"</body>"_s, u"</html>"_s});
}

inline QString highlightedItem(const QString& file, const QString& text, const QString& colour)
{
    using namespace Qt::StringLiterals;
    return u"<li><!--<a href=\""_s + file + u"\">--><span style=\"font-weight:550;color:"_s +
           colour + u"\">"_s + text + u"</span><!--</a>--></li>"_s;
}

inline QString plainItem(const QString& file, const QString& text)
{
    using namespace Qt::StringLiterals;
    return u"<li><a href=\""_s + file + u"\">"_s + text + u"</a></li>"_s;
}

// A menu text as the project file stores it.
inline QString escaped(QString menu)
{
    using namespace Qt::StringLiterals;
    return menu.replace(u"<"_s, u"&lt;"_s).replace(u">"_s, u"&gt;"_s);
}

// A site folder with its own project file; every run names that file.
class Site
{
public:
    QString projectFile() const { return m_dir.filePath(QStringLiteral("mprj.xml")); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void writeProject(const QString& lastProject, const QStringList& projects) const
    {
        writeBytes(projectFile(), shiftJis(projectText(lastProject, projects)));
    }
    void writePage(const QString& name, const QString& text) const
    {
        writeBytes(path(name), shiftJis(text));
    }
    int run(QStringList arguments)
    {
        arguments = QStringList{QStringLiteral("--project-file"), projectFile()} + arguments;
        return quillet::cli::runCli(arguments, console,
                                    [] { return QStringLiteral("/nonexistent"); });
    }

    RecordingConsole console;

private:
    QTemporaryDir m_dir;
};

} // namespace quillet::fixtures
