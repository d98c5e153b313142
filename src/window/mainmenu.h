#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillet {

// The menu bar's menus and items, each named after its control so tests find it, and
// the file list's right-button menu, which the bar does not show.
struct MainMenu
{
    QMenu* mpro = nullptr;
    QAction* mpsave = nullptr;
    QAction* mperase = nullptr;
    QAction* mundo = nullptr;
    QAction* malign = nullptr;

    QMenu* mFile = nullptr;
    QAction* mSelectHtmlFile = nullptr;

    QMenu* mHtml = nullptr;
    QAction* mhp = nullptr;
    QAction* mhr = nullptr;

    QMenu* mo = nullptr;
    QAction* mpcomment = nullptr;
    QAction* mcolor = nullptr;
    QAction* mlinkbase = nullptr;

    QMenu* mhelp = nullptr;
    QAction* mmhelp = nullptr;
    QAction* mmv = nullptr;

    QMenu* mHtml1 = nullptr;
    QAction* Md = nullptr;
    QAction* mclr = nullptr;
};

// Fills the bar; the popup menu belongs to owner.
MainMenu setupMainMenu(QMenuBar& bar, QWidget& owner);

} // namespace quillet
