#include "window/logview.h"

namespace quillet {

namespace {

const QString initialLogLine = QStringLiteral(" \"ログです\"");

} // namespace

LogView::LogView(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("LstLog"));
    addItem(initialLogLine);
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
