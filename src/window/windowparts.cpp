#include "window/windowparts.h"

#include <QListWidget>

namespace quillet {

void WindowParts::appendLog(const QStringList& lines) const
{
    LstLog->addItems(lines);
}

} // namespace quillet
