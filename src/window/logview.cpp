#include "window/logview.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace quillet {

LogView::LogView(QWidget* parent) : QWidget(parent)
{
    LstLog = new QListWidget(this);
    LstLog->setObjectName(QStringLiteral("LstLog"));
    LstLog->addItem(tr(" \"ログです\""));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LstLog);
    setFocusProxy(LstLog);
}

void LogView::appendLines(const QStringList& lines)
{
    LstLog->addItems(lines);
}

void LogView::replaceLines(const QStringList& lines)
{
    LstLog->clear();
    LstLog->addItems(lines);
}

} // namespace quillet
