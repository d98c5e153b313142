#include "window/pageframe.h"

#include <QVBoxLayout>

namespace quillet {

PageFrame::PageFrame(int index, QString tag, QWidget* content, QWidget* parent)
    : QFrame(parent), tag_(std::move(tag))
{
    setObjectName(QStringLiteral("Frm") + QString::number(index));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content->setParent(this);
    layout->addWidget(content);
}

} // namespace quillet
