#include "window/mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quillet {

namespace {

QMenu* addMenu(QMenuBar& bar, const char* name, const QString& caption)
{
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const QString& caption)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

void setupProjectMenu(QMenuBar& bar, MainMenu& m)
{
    m.mpro = addMenu(bar, "mpro", QStringLiteral("プロジェクト(&P)"));
    m.mpsave = addItem(*m.mpro, "mpsave", QStringLiteral("プロジェクトの保存(&S)"));
    m.mpsave->setShortcut(QKeySequence::Save);
    m.mpro->addSeparator();
    m.mperase = addItem(*m.mpro, "mperase", QStringLiteral("プロジェクトの削除"));
    m.mpro->addSeparator();
    m.mundo = addItem(*m.mpro, "mundo", QStringLiteral("直前の処理を元に戻す(&U)"));
    m.malign = addItem(*m.mpro, "malign", QStringLiteral("メニューを揃える(&A)"));
}

void setupFileMenus(QMenuBar& bar, MainMenu& m)
{
    m.mFile = addMenu(bar, "mFile", QStringLiteral("対象ファイルの追加(&F)"));
    m.mSelectHtmlFile =
        addItem(*m.mFile, "mSelectHtmlFile", QStringLiteral("HTMLファイルの追加(&A)"));

    m.mHtml = addMenu(bar, "mHtml", QStringLiteral("候補のファイル探し(&T)"));
    m.mhp = addItem(*m.mHtml, "mhp", QStringLiteral("変換前のファイルの候補探し(&P)"));
    m.mHtml->addSeparator();
    m.mhr = addItem(*m.mHtml, "mhr", QStringLiteral("変換後のファイルの候補探し(&R)"));
}

void setupOptionAndHelpMenus(QMenuBar& bar, MainMenu& m)
{
    m.mo = addMenu(bar, "mo", QStringLiteral("Option(&O)"));
    m.mpcomment = addItem(*m.mo, "mpcomment", QStringLiteral("仮のコメントをコメントに直します"));
    m.mo->addSeparator();
    m.mcolor = addItem(*m.mo, "mcolor", QStringLiteral("リンクの色変換(&C)"));
    m.mo->addSeparator();
    m.mlinkbase =
        addItem(*m.mo, "mlinkbase", QStringLiteral("メニューのリンクをフォルダに合わせる"));
    m.mlinkbase->setCheckable(true);

    m.mhelp = addMenu(bar, "mhelp", QStringLiteral("ヘルプ(&H)"));
    m.mmhelp = addItem(*m.mhelp, "mmhelp", QStringLiteral("ヘルプ表示(&S)"));
    m.mhelp->addSeparator();
    m.mmv = addItem(*m.mhelp, "mmv", QStringLiteral("バージョン(&V)"));
}

void setupFileListPopup(QWidget& owner, MainMenu& m)
{
    m.mHtml1 = new QMenu(QStringLiteral("HTMLファイル(&H)"), &owner);
    m.mHtml1->setObjectName(QStringLiteral("mHtml1"));
    m.Md = addItem(*m.mHtml1, "Md", QStringLiteral("選択リストの削除(&D)"));
    m.mHtml1->addSeparator();
    m.mclr = addItem(*m.mHtml1, "mclr", QStringLiteral("リストのクリア(&C)"));
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
