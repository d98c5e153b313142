#include "floorphase.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace quillet::bench {

double runFloor(const QStringList& paths)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<QByteArray> names;
    for (const QString& path : paths) {
        QFile page(path);
        if (!page.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        const QByteArray bytes = page.readAll();
        const QByteArray name = QFile::encodeName(path);
        const QByteArray temporary = name + ".floor";
        const int fd =
            ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qFatal("cannot write %s", temporary.constData());
        // The disk starts on this file while the next ones are written, as the engine does.
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        ::close(fd);
        names.push_back(name);
    }
    const int anyFile = ::open(names.front().constData(), O_RDONLY | O_CLOEXEC);
    if (anyFile < 0 || ::syncfs(anyFile) != 0)
        qFatal("syncfs failed");
    ::close(anyFile);
    for (const QByteArray& name : names) {
        if (::rename(QByteArray(name + ".floor").constData(), name.constData()) != 0)
            qFatal("cannot rename over %s", name.constData());
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace quillet::bench
