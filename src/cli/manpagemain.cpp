// Writes quillet-cli's manual page at build time: quillet-cli-manpage TEMPLATE OUTPUT.
#include "cli/climanpage.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        qCritical("usage: quillet-cli-manpage TEMPLATE OUTPUT");
        return 2;
    }
    QFile in(arguments[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        qCritical("%s: %s", qPrintable(arguments[1]), qPrintable(in.errorString()));
        return 1;
    }
    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(quillet::cli::filledManPage(QString::fromUtf8(in.readAll())).toUtf8()) < 0 ||
        !out.commit()) {
        qCritical("%s: %s", qPrintable(arguments[2]), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
