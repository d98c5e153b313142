#pragma once

#include <QWidget>

namespace quillet {

class WebPageView;

// The help page in a window of its own, shown by the program's own web view: no outside
// browser is needed, and the desktop's HTML handler (which may be this program) is never
// asked.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(const QString& page, QWidget* parent);

    WebPageView* WBHelp = nullptr;
};

} // namespace quillet
