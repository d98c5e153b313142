#include "window/pageframe.h"

#include <QVBoxLayout>

namespace quillet {

PageFrame::PageFrame(int index, WindowPage page, QWidget* content, QWidget* parent)
    : QFrame(parent), m_page(page)
{
    setObjectName(QStringLiteral("Frm") + QString::number(index));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content->setParent(this);
    layout->addWidget(content);
}

} // namespace quillet
