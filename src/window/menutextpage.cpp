#include "window/menutextpage.h"

#include "window/crlftextedit.h"

#include <QVBoxLayout>

namespace quillet {

MenuTextPage::MenuTextPage(QWidget* parent) : QWidget(parent)
{
    TxtOrg = new CrLfTextEdit(this);
    TxtOrg->setObjectName(QStringLiteral("TxtOrg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TxtOrg);
    setFocusProxy(TxtOrg);
    connect(TxtOrg, &QPlainTextEdit::textChanged, this, [this] { keepAnchorsLowerCase(*TxtOrg); });
}

QString MenuTextPage::text() const
{
    return TxtOrg->text();
}

void MenuTextPage::setText(const QString& crlfText)
{
    TxtOrg->setText(crlfText);
}

void MenuTextPage::clear()
{
    TxtOrg->clear();
}

} // namespace quillet
