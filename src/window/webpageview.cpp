#include "window/webpageview.h"

#include <QFileInfo>
#include <QUrl>

namespace quillet {

WebPageView::WebPageView(QWidget* parent) : QWebEngineView(parent) {}

void WebPageView::showFile(const QString& path)
{
    if (path.isEmpty()) {
        if (m_started)
            setUrl(QUrl(QStringLiteral("about:blank")));
        return;
    }
    m_started = true;
    setUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace quillet
