#pragma once

#include "engine/runs.h"
#include "project/projectstore.h"

#include <QObject>
#include <QSet>

namespace quillet {

class ProjectCommands;
struct MainMenu;
struct WindowParts;

// The commands that rewrite the listed pages: the conversion and restore runs, the
// temporary comments, and the colour every later highlight is written in.
class RunCommands : public QObject
{
    Q_OBJECT
public:
    RunCommands(WindowParts& parts, ProjectCommands& project, const MainMenu& menu,
                QObject* parent);

private:
    void connectControls(const MainMenu& menu);

    void CodEncode_Click();
    void CmdDecode_Click();
    void malign_Click();
    void mpcomment_Click();
    void mcolor_Click();
    RunSettings runSettings() const;
    bool refuseRun(const RunSettings& settings);
    using PageRun = RunResult (*)(const QStringList&, const RunSettings&, PageWriter&,
                                  const RunProgress&, const RunStop&);
    // Stores the project, then runs over the listed pages, journalled as one command.
    void runAfterSave(const QString& command, const QString& title, const QString& summary,
                      PageRun run);
    // The runs store the project first, without the overwrite question.
    SaveOutcome saveWithoutQuestion(PageWriter& pages);
    // summary, when given, sums up the run in the status bar: %1 the pages listed, %2 those
    // changed.
    void showRunResult(const QStringList& paths, const RunResult& result,
                       const QString& summary = QString());
    void countChanges(PageWriter& pages);
    void showSummary(qsizetype total, const QString& summary, const RunResult& result);

    QSet<QString> m_changed; // the pages the running command changed
    WindowParts& m_parts;
    ProjectCommands& m_project;
};

} // namespace quillet
