// quillet_bench_window PROJECT_FILE convert|restore: opens the window offscreen on the
// project file, clicks the run's button as a user would and prints how long the click took
// (the run with its progress dialog, until the log is filled).
#include "window/fommain.h"
#include "window/windowdialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// A run over readable pages asks nothing; any question would stop the benchmark.
class NoDialogs : public quillet::WindowDialogs
{
public:
    void showMessage(const quillet::UserMessage& message) override
    {
        qFatal("message: %s", qPrintable(message.text));
    }
    bool askYesNoCancel(const quillet::UserMessage& question) override
    {
        qFatal("question: %s", qPrintable(question.text));
    }
    quillet::SaveAnswer askSaveChanges(const quillet::UserMessage& question) override
    {
        qFatal("question: %s", qPrintable(question.text));
    }
    bool askOkCancel(const quillet::UserMessage& question) override
    {
        qFatal("question: %s", qPrintable(question.text));
    }
    bool askOkCancelWithDetails(const quillet::UserMessage& question, const QString&) override
    {
        qFatal("question: %s", qPrintable(question.text));
    }
    QStringList askHtmlFiles(const QString&) override { qFatal("file dialog"); }
    std::optional<QColor> askColour(const QColor&) override { qFatal("colour dialog"); }
    bool askYesNo(const quillet::UserMessage& question) override
    {
        qFatal("question: %s", qPrintable(question.text));
    }
};

template <typename T> T* control(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void waitForStartUp(const QWidget& window)
{
    auto* timer = control<QTimer>(window, "Timer1");
    const QDeadlineTimer deadline(10000);
    while (timer->isActive() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (timer->isActive())
        qFatal("the window did not start");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        qFatal("usage: quillet_bench_window PROJECT_FILE convert|restore");
    NoDialogs dialogs;
    quillet::FomMain window(arguments[1], dialogs);
    window.show();
    waitForStartUp(window);
    const char* button = arguments[2] == QStringLiteral("convert") ? "CodEncode" : "CmdDecode";
    QElapsedTimer timer;
    timer.start();
    control<QPushButton>(window, button)->click();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("seconds=%.6f log_lines=%d\n", seconds,
                control<QListWidget>(window, "LstLog")->count());
    return 0;
}
