#include "window/mainmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quillet {

namespace {

// Captions are marked for translation where they stand and translated here.
QString translated(const char* caption)
{
    return QCoreApplication::translate("MainMenu", caption);
}

QMenu* addMenu(QMenuBar& bar, const char* name, const char* caption)
{
    QMenu* menu = bar.addMenu(translated(caption));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const char* caption)
{
    QAction* item = menu.addAction(translated(caption));
    item->setObjectName(QLatin1String(name));
    return item;
}

void setupProjectMenu(QMenuBar& bar, MainMenu& m)
{
    m.mpro = addMenu(bar, "mpro", QT_TRANSLATE_NOOP("MainMenu", "プロジェクト(&P)"));
    m.mpsave = addItem(*m.mpro, "mpsave", QT_TRANSLATE_NOOP("MainMenu", "プロジェクトの保存(&S)"));
    m.mpsave->setShortcut(QKeySequence::Save);
    m.mpro->addSeparator();
    m.mperase = addItem(*m.mpro, "mperase", QT_TRANSLATE_NOOP("MainMenu", "プロジェクトの削除"));
    m.mpro->addSeparator();
    m.mundo = addItem(*m.mpro, "mundo", QT_TRANSLATE_NOOP("MainMenu", "直前の処理を元に戻す(&U)"));
    m.malign = addItem(*m.mpro, "malign", QT_TRANSLATE_NOOP("MainMenu", "メニューを揃える(&A)"));
}

void setupFileMenus(QMenuBar& bar, MainMenu& m)
{
    m.mFile = addMenu(bar, "mFile", QT_TRANSLATE_NOOP("MainMenu", "対象ファイルの追加(&F)"));
    m.mSelectHtmlFile = addItem(*m.mFile, "mSelectHtmlFile",
                                QT_TRANSLATE_NOOP("MainMenu", "HTMLファイルの追加(&A)"));

    m.mHtml = addMenu(bar, "mHtml", QT_TRANSLATE_NOOP("MainMenu", "候補のファイル探し(&T)"));
    m.mhp =
        addItem(*m.mHtml, "mhp", QT_TRANSLATE_NOOP("MainMenu", "変換前のファイルの候補探し(&P)"));
    m.mHtml->addSeparator();
    m.mhr =
        addItem(*m.mHtml, "mhr", QT_TRANSLATE_NOOP("MainMenu", "変換後のファイルの候補探し(&R)"));
}

void setupOptionAndHelpMenus(QMenuBar& bar, MainMenu& m)
{
    m.mo = addMenu(bar, "mo", QT_TRANSLATE_NOOP("MainMenu", "Option(&O)"));
    m.mpcomment = addItem(*m.mo, "mpcomment",
                          QT_TRANSLATE_NOOP("MainMenu", "仮のコメントをコメントに直します"));
    m.mo->addSeparator();
    m.mcolor = addItem(*m.mo, "mcolor", QT_TRANSLATE_NOOP("MainMenu", "リンクの色変換(&C)"));
    m.mo->addSeparator();
    m.mlinkbase = addItem(*m.mo, "mlinkbase",
                          QT_TRANSLATE_NOOP("MainMenu", "メニューのリンクをフォルダに合わせる"));
    m.mlinkbase->setCheckable(true);

    m.mhelp = addMenu(bar, "mhelp", QT_TRANSLATE_NOOP("MainMenu", "ヘルプ(&H)"));
    m.mmhelp = addItem(*m.mhelp, "mmhelp", QT_TRANSLATE_NOOP("MainMenu", "ヘルプ表示(&S)"));
    m.mhelp->addSeparator();
    m.mmv = addItem(*m.mhelp, "mmv", QT_TRANSLATE_NOOP("MainMenu", "バージョン(&V)"));
}

void setupFileListPopup(QWidget& owner, MainMenu& m)
{
    m.mHtml1 = new QMenu(translated(QT_TRANSLATE_NOOP("MainMenu", "HTMLファイル(&H)")), &owner);
    m.mHtml1->setObjectName(QStringLiteral("mHtml1"));
    m.Md = addItem(*m.mHtml1, "Md", QT_TRANSLATE_NOOP("MainMenu", "選択リストの削除(&D)"));
    m.mHtml1->addSeparator();
    m.mclr = addItem(*m.mHtml1, "mclr", QT_TRANSLATE_NOOP("MainMenu", "リストのクリア(&C)"));
}

} // namespace

MainMenu setupMainMenu(QMenuBar& bar, QWidget& owner)
{
    MainMenu m;
    setupProjectMenu(bar, m);
    setupFileMenus(bar, m);
    setupOptionAndHelpMenus(bar, m);
    setupFileListPopup(owner, m);
    return m;
}

} // namespace quillet
