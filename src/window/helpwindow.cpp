#include "window/helpwindow.h"

#include "window/webpageview.h"
#include "window/windowdialogs.h"

#include <QScreen>
#include <QVBoxLayout>

namespace quillet {

namespace {

constexpr QSize defaultSize(760, 640);

} // namespace

HelpWindow::HelpWindow(const QString& page, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("ヘルプ ") + applicationTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    WBHelp = new WebPageView(this);
    WBHelp->setObjectName(QStringLiteral("WBHelp"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WBHelp);
    resize(defaultSize.boundedTo(screen()->availableSize()));
    WBHelp->showFile(page);
}

} // namespace quillet
