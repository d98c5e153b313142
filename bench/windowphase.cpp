#include "windowphase.h"

#include "engine/pagefile.h"
#include "engine/unhighlight.h"
#include "project/projecttext.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace quillet::bench {

void writeProjectFile(const QString& path, const QString& name, const QStringList& pages,
                      const QString& menuText)
{
    QString text = emptyProjectText();
    addProject(text, name);
    const qsizetype key = projectKeyIn(text, name);
    if (!SaveFileList(text, key, pages) ||
        !SaveMenuText(text, projectKeyIn(text, name), PrepareMenuText(menuText).escaped) ||
        !SetLastProject(text, name) || !writePage(path, text, {}).ok)
        qFatal("cannot write the project file %s", qPrintable(path));
}

namespace {

QProcessEnvironment environmentWithDataHome(const QString& dataHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return environment;
}

} // namespace

double runWindowPhase(const QString& program, const QString& projectFile, const QString& phase,
                      const QString& dataHome)
{
    QProcess window;
    QProcessEnvironment environment = environmentWithDataHome(dataHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(program, {projectFile, phase});
    if (!window.waitForFinished(-1) || window.exitStatus() != QProcess::NormalExit ||
        window.exitCode() != 0)
        return -1;
    static const QRegularExpression pattern(QStringLiteral(R"(seconds=([\d.]+))"));
    const QRegularExpressionMatch match =
        pattern.match(QString::fromUtf8(window.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

ChildFigures runCli(const QString& program, const QString& projectFile,
                    const QStringList& arguments, const QString& dataHome, double killAfterSeconds)
{
    return runChild(program, QStringList{QStringLiteral("--project-file"), projectFile} + arguments,
                    environmentWithDataHome(dataHome), killAfterSeconds);
}

double runCliPhase(const QString& program, const QString& projectFile, const QString& name,
                   const QString& phase, const QString& dataHome)
{
    const ChildFigures figures = runCli(program, projectFile, {phase, name}, dataHome);
    return figures.exited && figures.exitCode == 0 ? figures.seconds : -1;
}

} // namespace quillet::bench
