#include "common/testfiles.h"
#include "sitefixture.h"
#include "windowdriver.h"

#include <QAbstractItemView>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// The preview as a user meets it: the chooser, the source view and the rendered page,
// the menu text taken from a selection, and the edited source saved.
class TestPreview : public QObject
{
    Q_OBJECT

public:
    // The web view shares the window's graphics context, set before the application exists.
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void init();

    void chooserIsFilledFromTheFileList_data();
    void chooserIsFilledFromTheFileList();
    void emptyFileListLeavesEverythingAsItWas();
    void typedPathOfNoFileChangesNeitherView();
    void firstOfTwoDroppedFilesIsShown();
    void droppedTextChangesNothing();
    void chooserKeepsItsListWhileFilesAreAdded();
    void pickedEntryIsShownInBothViews();
    void webViewRendersThePage();
    void anotherProjectEmptiesThePreview();

    void setMenuTextWithoutSelection();
    void setMenuTextFromThreeLines();

    void editsSurviveALookAtTheWebTab();
    void saveWithAnEmptyChooserFails();
    void saveAfterARunIsRefused();
    void saveKeepsThePageFormat_data();
    void saveKeepsThePageFormat();
    void saveAsksWhenTheFileChangedOnDisk_data();
    void saveAsksWhenTheFileChangedOnDisk();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    QStringList writeSite(const QStringList& names, const QString& menuText = QString());
    std::unique_ptr<WindowDriver> openSite(const QStringList& names);

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QString saveFailureLine = u"\r\nファイルは保存できませんでした"_s;

// A drag from the desktop entering the view and dropped on it.
void dropOn(QPlainTextEdit* view, QMimeData* data)
{
    QWidget* target = view->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

QStringList chooserEntries(const QComboBox* chooser)
{
    QStringList entries;
    for (int i = 0; i < chooser->count(); ++i)
        entries.append(chooser->itemText(i));
    return entries;
}

QUrl fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path);
}

} // namespace

void TestPreview::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QStringList TestPreview::writeSite(const QStringList& names, const QString& menuText)
{
    QStringList pages;
    for (const QString& name : names) {
        pages.append(path(name));
        writeText(pages.last(), pageText(name, siteMenu()));
    }
    writeText(projectFile(), projectFileText({{u"site"_s, pages, menuText}}, u"site"_s));
    return pages;
}

std::unique_ptr<WindowDriver> TestPreview::openSite(const QStringList& names)
{
    writeSite(names, siteMenu());
    return std::make_unique<WindowDriver>(projectFile());
}

void TestPreview::chooserIsFilledFromTheFileList_data()
{
    QTest::addColumn<QList<int>>("selectedRows");
    QTest::addColumn<int>("shownRow");

    QTest::newRow("none selected") << QList<int>{} << 0;
    QTest::newRow("second and third selected") << QList<int>{1, 2} << 1;
}

void TestPreview::chooserIsFilledFromTheFileList()
{
    QFETCH(QList<int>, selectedRows);
    QFETCH(int, shownRow);

    const QStringList pages = writeSite({u"a.html"_s, u"b.html"_s, u"c.html"_s});
    WindowDriver driver(projectFile());
    for (int row : selectedRows)
        driver.fileList()->item(row)->setSelected(true);
    driver.clickTab(3);

    QCOMPARE(chooserEntries(driver.chooser()), pages);
    QCOMPARE(driver.chooser()->currentText(), pages[shownRow]);
    QCOMPARE(driver.sourceView()->toPlainText(),
             readText(pages[shownRow]).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(driver.webView()->url(), fileUrl(pages[shownRow]));
}

void TestPreview::emptyFileListLeavesEverythingAsItWas()
{
    writeSite({});
    WindowDriver driver(projectFile());
    driver.sourceView()->setFocus();
    QTest::keyClicks(driver.sourceView(), u"kept"_s);
    driver.clickTab(3);

    QCOMPARE(driver.chooser()->currentText(), QString());
    QCOMPARE(driver.chooser()->count(), 0);
    QCOMPARE(driver.sourceView()->toPlainText(), u"kept"_s);
}

void TestPreview::typedPathOfNoFileChangesNeitherView()
{
    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    const QString shown = driver->sourceView()->toPlainText();

    driver->typeInChooser(path(u"missing.html"_s));
    QCOMPARE(driver->chooser()->currentText(), path(u"missing.html"_s));
    QCOMPARE(driver->sourceView()->toPlainText(), shown);
    QCOMPARE(driver->webView()->url(), fileUrl(path(u"a.html"_s)));
}

void TestPreview::firstOfTwoDroppedFilesIsShown()
{
    const auto driver = openSite({u"a.html"_s, u"b.html"_s, u"c.html"_s});
    driver->clickTab(3);

    QMimeData data;
    data.setUrls({fileUrl(path(u"c.html"_s)), fileUrl(path(u"b.html"_s))});
    dropOn(driver->sourceView(), &data);

    QCOMPARE(driver->chooser()->currentText(), path(u"c.html"_s));
    QVERIFY(driver->sourceView()->toPlainText().contains(u"c.htmlのページです。"_s));
    QCOMPARE(driver->webView()->url(), fileUrl(path(u"c.html"_s)));
}

void TestPreview::droppedTextChangesNothing()
{
    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    const QString shown = driver->sourceView()->toPlainText();

    QMimeData data;
    data.setText(u"dropped words"_s);
    dropOn(driver->sourceView(), &data);

    QCOMPARE(driver->sourceView()->toPlainText(), shown);
    QCOMPARE(driver->chooser()->currentText(), path(u"a.html"_s));
}

void TestPreview::chooserKeepsItsListWhileFilesAreAdded()
{
    const auto driver = openSite({u"a.html"_s, u"b.html"_s});
    driver->clickTab(3);
    const QString added = path(u"c.html"_s);
    writeText(added, pageText(u"c.html"_s, siteMenu()));
    driver->fileList()->addItem(added);

    driver->clickTab(4);
    driver->clickTab(3);
    QCOMPARE(chooserEntries(driver->chooser()),
             QStringList({path(u"a.html"_s), path(u"b.html"_s)}));
}

void TestPreview::pickedEntryIsShownInBothViews()
{
    const auto driver = openSite({u"a.html"_s, u"b.html"_s});
    driver->clickTab(4);
    QComboBox* chooser = driver->chooser();
    chooser->showPopup();
    QAbstractItemView* list = chooser->view();
    QTRY_VERIFY(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());

    QCOMPARE(chooser->currentText(), path(u"b.html"_s));
    QCOMPARE(driver->webView()->url(), fileUrl(path(u"b.html"_s)));
    QVERIFY(driver->sourceView()->toPlainText().contains(u"b.htmlのページです。"_s));
}

void TestPreview::webViewRendersThePage()
{
    const auto driver = openSite({u"a.html"_s});
    writeText(path(u"a.html"_s), pageText(u"日本語の題"_s, siteMenu()));
    QSignalSpy finished(driver->webView(), &QWebEngineView::loadFinished);
    driver->clickTab(4);

    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(driver->webView()->title(), u"日本語の題"_s);
}

void TestPreview::anotherProjectEmptiesThePreview()
{
    writeText(path(u"a.html"_s), pageText(u"a.html"_s, siteMenu()));
    writeText(projectFile(), projectFileText({{u"one"_s, {path(u"a.html"_s)}, siteMenu()},
                                              {u"two"_s, {}, siteMenu()}},
                                             u"one"_s));
    WindowDriver driver(projectFile());
    driver.clickTab(3);
    driver.clickTab(1);
    driver.pickProject(u"two"_s);

    QCOMPARE(driver.chooser()->currentText(), QString());
    QCOMPARE(driver.chooser()->count(), 0);
    QVERIFY(driver.sourceView()->toPlainText().isEmpty());
    QCOMPARE(driver.webView()->url(), QUrl(u"about:blank"_s));
}

void TestPreview::setMenuTextWithoutSelection()
{
    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    const QString menu = driver->menuText()->toPlainText();

    driver->click("CmdComInsert");
    QCOMPARE(driver->dialogs.messages,
             QList<quillet::UserMessage>(
                 {{u"選択エラー"_s, u"目次文字に設定する文字列を選択して下さい。"_s}}));
    QCOMPARE(driver->tabs()->currentIndex(), 2);
    QCOMPARE(driver->menuText()->toPlainText(), menu);
}

// With one listed file and an empty menu, the menu tab would take the file's menu block;
// the selection must win.
void TestPreview::setMenuTextFromThreeLines()
{
    writeSite({u"a.html"_s});
    WindowDriver driver(projectFile());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());
    driver.clickTab(3);

    QPlainTextEdit* view = driver.sourceView();
    QTextCursor cursor = view->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    view->setTextCursor(cursor);
    driver.click("CmdComInsert");

    QVERIFY(driver.dialogs.messages.isEmpty());
    QCOMPARE(driver.tabs()->currentIndex(), 1);
    QCOMPARE(driver.menuText()->toPlainText(),
             u"<head><title>a.html</title></head>\n<body>\n<!--MenuStart-->"_s);
}

void TestPreview::editsSurviveALookAtTheWebTab()
{
    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    QPlainTextEdit* view = driver->sourceView();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(view, u"<p>added</p>"_s);
    const QString edited = view->toPlainText();

    driver->clickTab(4);
    driver->clickTab(3);
    QCOMPARE(view->toPlainText(), edited);
    driver->click("CmdFileSave");
    QVERIFY(driver->dialogs.messages.isEmpty());
    QCOMPARE(readText(path(u"a.html"_s)), pageText(u"a.html"_s, siteMenu()) + u"<p>added</p>"_s);
}

void TestPreview::saveWithAnEmptyChooserFails()
{
    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    driver->typeInChooser(QString());
    driver->click("CmdFileSave");

    QCOMPARE(driver->dialogs.messages.size(), 1);
    const quillet::UserMessage message = driver->dialogs.messages.first();
    QCOMPARE(message.title, QString());
    QVERIFY(message.text.endsWith(saveFailureLine));
    QVERIFY(message.text.size() > saveFailureLine.size());
}

// After a run the view holds the last page the run read; when the chooser's file cannot
// be shown again, that text must not be written over it.
void TestPreview::saveAfterARunIsRefused()
{
    const QStringList pages = writeSite({u"a.html"_s, u"b.html"_s}, siteMenu());
    WindowDriver driver(projectFile());
    driver.clickTab(3);
    driver.clickTab(1);
    driver.click("CmdDecode");
    QVERIFY(QFile::remove(pages[0]));
    const QByteArray lastRead = quillet::fixtures::readBytes(pages[1]);

    driver.clickTab(3);
    QCOMPARE(driver.chooser()->currentText(), pages[0]);
    driver.click("CmdFileSave");
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QVERIFY(driver.dialogs.messages.first().text.endsWith(saveFailureLine));
    QVERIFY(!QFile::exists(pages[0]));
    QCOMPARE(quillet::fixtures::readBytes(pages[1]), lastRead);
}

void TestPreview::saveKeepsThePageFormat_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("UTF-8 with LF")
        << u"<p>一</p>\n<p>二</p>\n"_s.toUtf8() << u"<p>一</p>\n<p>二</p>\n<p>三</p>"_s.toUtf8();
    QTest::newRow("Shift_JIS with CR LF")
        << quillet::fixtures::shiftJis(u"<p>一</p>\r\n<p>二</p>\r\n"_s)
        << quillet::fixtures::shiftJis(u"<p>一</p>\r\n<p>二</p>\r\n<p>三</p>"_s);
}

void TestPreview::saveKeepsThePageFormat()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    writeSite({});
    WindowDriver driver(projectFile());
    const QString page = path(u"p.html"_s);
    quillet::fixtures::writeBytes(page, before);
    driver.typeInChooser(page);

    QPlainTextEdit* view = driver.sourceView();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, view, Qt::Key_unknown, u"<p>三</p>"_s, Qt::NoModifier);
    driver.click("CmdFileSave");

    QVERIFY(driver.dialogs.messages.isEmpty());
    QVERIFY(driver.dialogs.questions.isEmpty());
    QCOMPARE(quillet::fixtures::readBytes(page), after);
}

void TestPreview::saveAsksWhenTheFileChangedOnDisk_data()
{
    QTest::addColumn<bool>("answerOk");
    QTest::newRow("OK replaces the file") << true;
    QTest::newRow("Cancel writes nothing") << false;
}

void TestPreview::saveAsksWhenTheFileChangedOnDisk()
{
    QFETCH(bool, answerOk);

    const auto driver = openSite({u"a.html"_s});
    driver->clickTab(3);
    const QString page = path(u"a.html"_s);
    const QByteArray elsewhere = quillet::fixtures::shiftJis(u"<p>よそで変更</p>\r\n"_s);
    quillet::fixtures::writeBytes(page, elsewhere);

    driver->dialogs.answers.enqueue(answerOk);
    driver->click("CmdFileSave");
    QCOMPARE(driver->dialogs.questions.size(), 1);
    QCOMPARE(driver->dialogs.questions.first().title, u"クイレット"_s);
    QVERIFY(driver->dialogs.messages.isEmpty());
    if (answerOk)
        QCOMPARE(readText(page), pageText(u"a.html"_s, siteMenu()));
    else
        QCOMPARE(quillet::fixtures::readBytes(page), elsewhere);
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
