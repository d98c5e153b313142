#pragma once

#include "window/windowpage.h"
#include <QFrame>

namespace quillet {

// One page under the tab strip: shown exactly when its tab is the selected one.
class PageFrame : public QFrame
{
    Q_OBJECT
public:
    PageFrame(int index, WindowPage page, QWidget* content, QWidget* parent = nullptr);

    WindowPage page() const { return m_page; }

private:
    WindowPage m_page;
};

} // namespace quillet
