#include "project/projectlocation.h"
#include "window/fommain.h"
#include "window/qtdialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));

    quillet::QtDialogs dialogs;
    quillet::FomMain window(quillet::defaultProjectFilePath(), dialogs);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
