#pragma once

#include <QWebEngineView>

namespace quillet {

// The preview's rendered page: a browser view showing a page file.
class WebPageView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit WebPageView(QWidget* parent = nullptr);

    // Shows the file; an empty path clears the page. The browser starts only with the
    // first page, so a window that never previews never pays for it.
    void showFile(const QString& path);

private:
    bool m_started = false;
};

} // namespace quillet
