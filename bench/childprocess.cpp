#include "childprocess.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace quillet::bench {

namespace {

// The child's VmHWM now, or 0. Its rusage cannot tell: a child spawned from this process
// counts this process's memory as its own peak until it executes the program.
qint64 peakKbOf(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// wait4 for the child, reading its peak memory meanwhile and killing it at the moment given.
pid_t waitFor(pid_t pid, int& status, double killAfterSeconds, qint64& peakKb)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        peakKb = std::max(peakKb, peakKbOf(pid));
        const pid_t done = ::wait4(pid, &status, WNOHANG, nullptr);
        if (done != 0)
            return done;
        if (killAfterSeconds >= 0 && timer.nsecsElapsed() / 1e9 >= killAfterSeconds) {
            ::kill(pid, SIGKILL);
            return ::wait4(pid, &status, 0, nullptr);
        }
        const timespec pause{0, 1'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

} // namespace

ChildFigures runChild(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, double killAfterSeconds)
{
    std::vector<QByteArray> argumentBytes{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> environmentBytes;
    for (const QString& entry : environment.toStringList())
        environmentBytes.push_back(entry.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& bytes : argumentBytes)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (QByteArray& bytes : environmentBytes)
        envp.push_back(bytes.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ChildFigures figures;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return figures;
    figures.started = true;
    int status = 0;
    if (waitFor(pid, status, killAfterSeconds, figures.peakKb) != pid)
        return figures;
    figures.seconds = timer.nsecsElapsed() / 1e9;
    figures.exited = WIFEXITED(status);
    figures.exitCode = figures.exited ? WEXITSTATUS(status) : -1;
    return figures;
}

} // namespace quillet::bench
