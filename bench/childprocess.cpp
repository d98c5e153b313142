#include "childprocess.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace quillet::bench {

namespace {

// wait4 for the child, polling when it is to be killed at a moment.
pid_t waitFor(pid_t pid, int& status, rusage& usage, double killAfterSeconds)
{
    if (killAfterSeconds < 0)
        return ::wait4(pid, &status, 0, &usage);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
        if (done != 0)
            return done;
        if (timer.nsecsElapsed() / 1e9 >= killAfterSeconds) {
            ::kill(pid, SIGKILL);
            return ::wait4(pid, &status, 0, &usage);
        }
        const timespec pause{0, 200'000};
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
    rusage usage{};
    if (waitFor(pid, status, usage, killAfterSeconds) != pid)
        return figures;
    figures.seconds = timer.nsecsElapsed() / 1e9;
    figures.exited = WIFEXITED(status);
    figures.exitCode = figures.exited ? WEXITSTATUS(status) : -1;
    figures.peakKb = usage.ru_maxrss;
    return figures;
}

} // namespace quillet::bench
