#include "window/logview.h"

namespace quillet {

LogView::LogView(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("LstLog"));
    addItem(tr(" \"ログです\""));
}

void LogView::appendLines(const QStringList& lines)
{
    addItems(lines);
}

void LogView::replaceLines(const QStringList& lines)
{
    clear();
    addItems(lines);
}

} // namespace quillet
