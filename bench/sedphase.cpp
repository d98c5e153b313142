#include "sedphase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringEncoder>

namespace quillet::bench {

namespace {

constexpr char delimiter = '\x01';
constexpr qsizetype filesPerSed = 1000;

QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

// sed runs in the C locale, so a Shift_JIS trail byte such as 0x5C is escaped like ASCII.
QByteArray regexLiteral(const QByteArray& bytes)
{
    QByteArray escaped;
    for (char c : bytes) {
        if (QByteArrayView(".[]*^$\\").contains(c))
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

QByteArray replacementLiteral(const QByteArray& bytes)
{
    QByteArray escaped;
    for (char c : bytes) {
        if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\\' || c == '&')
            escaped += QByteArray{'\\', c};
        else
            escaped += c;
    }
    return escaped;
}

QByteArray substitution(const QByteArray& regex, const QByteArray& replacement)
{
    return "s" + QByteArray(1, delimiter) + regex + delimiter + replacement + delimiter + "\n";
}

QString writeScript(const QString& path, const QByteArray& script)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

SedScripts writeSedScripts(const QString& folder, const QString& menuText, const QString& tag)
{
    const QByteArray start("<!--MenuStart-->");
    const QByteArray end("<!--MenuEnd-->");
    const QByteArray tagBytes = shiftJis(tag);
    const QByteArray converted = start + "\r\n" + tagBytes + "\r\n" + end;
    return {
        writeScript(folder + QStringLiteral("/convert.sed"),
                    substitution(regexLiteral(start) + ".*" + regexLiteral(end),
                                 replacementLiteral(converted))),
        writeScript(folder + QStringLiteral("/restore.sed"),
                    substitution(regexLiteral(tagBytes), replacementLiteral(shiftJis(menuText))))};
}

double runSed(const QString& script, const QStringList& paths)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QElapsedTimer timer;
    timer.start();
    for (qsizetype first = 0; first < paths.size(); first += filesPerSed) {
        QProcess sed;
        sed.setProcessEnvironment(environment);
        sed.setProcessChannelMode(QProcess::ForwardedChannels);
        sed.start(QStringLiteral("sed"), QStringList{QStringLiteral("-z"), QStringLiteral("-i"),
                                                     QStringLiteral("-f"), script} +
                                             paths.mid(first, filesPerSed));
        if (!sed.waitForFinished(-1) || sed.exitStatus() != QProcess::NormalExit ||
            sed.exitCode() != 0)
            return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace quillet::bench
