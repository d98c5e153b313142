#include "sitefixture.h"
#include "windowdriver.h"

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// Adding, removing and clearing entries, clicks and the popup menu, as the user does them.
class TestFileListCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void addedFilesTakeTheirSortedPlace();
    void additionsKeepTheSelection_data();
    void additionsKeepTheSelection();
    void aCancelledDialogChangesNothing();
    void pathsTheProjectFileCannotHoldAreRefused();
    void removalLeavesTheOthersInOrder_data();
    void removalLeavesTheOthersInOrder();
    void thePopupOpensOverAnEmptyArea();
    void clearingShowsTheWelcomePicture();
    void aClickChoosesThePreviewedFile();
    void aDoubleClickShowsTheWebTab();
    void listsLongerThan32767EntriesWork();

private:
    QString path(const QString& name) const
    {
        return QDir::toNativeSeparators(m_dir->filePath(name));
    }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    std::unique_ptr<WindowDriver> startWith(const QStringList& files);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileListCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

std::unique_ptr<WindowDriver> TestFileListCommands::startWith(const QStringList& files)
{
    QStringList paths;
    for (const QString& file : files) {
        paths.append(path(file));
        writeText(paths.last(), pageText(file, siteMenu()));
    }
    if (!paths.isEmpty())
        writeText(projectFile(), projectFileText({{u"site"_s, paths, siteMenu()}}, u"site"_s));
    return std::make_unique<WindowDriver>(projectFile());
}

void TestFileListCommands::addedFilesTakeTheirSortedPlace()
{
    auto driver = startWith({});
    driver->dialogs.htmlFiles.enqueue({u"/site/b.html"_s});
    driver->dialogs.htmlFiles.enqueue({u"/site/A.html"_s, u"/site/c.html"_s, u"/site/b.html"_s});
    driver->choose("mSelectHtmlFile");
    driver->choose("mSelectHtmlFile");
    QCOMPARE(driver->fileListEntries(), (QStringList{u"/site/A.html"_s, u"/site/b.html"_s,
                                                     u"/site/b.html"_s, u"/site/c.html"_s}));
    QVERIFY(driver->control("Picture1")->isHidden());
    QVERIFY(driver->dialogs.messages.isEmpty());
}

// A few paths are inserted at their places, more rebuild the list: both end alike.
void TestFileListCommands::additionsKeepTheSelection_data()
{
    QTest::addColumn<int>("added");
    QTest::newRow("a few") << 1;
    QTest::newRow("more than a few") << 150;
}

void TestFileListCommands::additionsKeepTheSelection()
{
    QFETCH(int, added);
    auto driver = startWith({u"b.html"_s, u"d.html"_s});
    driver->clickFileListEntry(1);
    QStringList paths{path(u"d.html"_s)};
    for (int i = 0; i < added; ++i)
        paths.append(path(u"c%1.html"_s.arg(i, 3, 10, QChar(u'0'))));
    driver->dialogs.htmlFiles.enqueue(paths);
    driver->choose("mSelectHtmlFile");

    const QStringList entries = driver->fileListEntries();
    QCOMPARE(entries.size(), added + 3);
    QCOMPARE(entries.first(), path(u"b.html"_s));
    QCOMPARE(entries.mid(added + 1), (QStringList{path(u"d.html"_s), path(u"d.html"_s)}));
    QListWidget* list = driver->fileList();
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(added + 1)});
    QCOMPARE(list->currentRow(), added + 1);
}

void TestFileListCommands::aCancelledDialogChangesNothing()
{
    auto driver = startWith({u"a.html"_s});
    driver->choose("mSelectHtmlFile");
    QCOMPARE(driver->fileListEntries(), QStringList{path(u"a.html"_s)});
    // The dialog starts in the folder of the loaded project.
    QCOMPARE(driver->dialogs.htmlFolders, QStringList{path(u"a.html"_s).chopped(6)});
}

void TestFileListCommands::pathsTheProjectFileCannotHoldAreRefused()
{
    auto driver = startWith({});
    driver->dialogs.htmlFiles.enqueue(
        {u"/s/a\nb.html"_s, u"/s/ok.html"_s, u"/s/\U0001F600.html"_s});
    driver->choose("mSelectHtmlFile");
    QCOMPARE(driver->fileListEntries(), QStringList{u"/s/ok.html"_s});
    QCOMPARE(driver->dialogs.messages.size(), 1);
    QVERIFY(driver->dialogs.messages[0].text.contains(u"/s/a\nb.html"_s));
    QVERIFY(driver->dialogs.messages[0].text.contains(u"/s/\U0001F600.html"_s));
}

void TestFileListCommands::removalLeavesTheOthersInOrder_data()
{
    QTest::addColumn<bool>("fromPopup");
    QTest::newRow("button CmdLineDel") << false;
    QTest::newRow("popup Md") << true;
}

void TestFileListCommands::removalLeavesTheOthersInOrder()
{
    QFETCH(bool, fromPopup);
    auto driver = startWith({u"0.html"_s, u"1.html"_s, u"2.html"_s, u"3.html"_s, u"4.html"_s});
    const auto remove = [&] {
        if (fromPopup)
            driver->choose("Md");
        else
            driver->click("CmdLineDel");
    };
    remove(); // nothing selected: nothing goes
    QCOMPARE(driver->fileListEntries().size(), 5);

    driver->controlClickFileListEntries({1, 3});
    remove();
    QCOMPARE(driver->fileListEntries(),
             (QStringList{path(u"0.html"_s), path(u"2.html"_s), path(u"4.html"_s)}));
}

void TestFileListCommands::thePopupOpensOverAnEmptyArea()
{
    auto driver = startWith({u"a.html"_s, u"b.html"_s});
    driver->clickFileListEntry(1);
    auto* popup = driver->control<QMenu>("mHtml1");
    const QPoint below(10, driver->fileList()->viewport()->height() - 5);
    driver->rightClickFileList(below);
    QVERIFY(QTest::qWaitFor([popup] { return popup->isVisible(); }));
    popup->close();
    // The right button leaves the selection for the popup's commands.
    QCOMPARE(driver->fileList()->selectedItems().size(), 1);
    QCOMPARE(driver->fileList()->selectedItems()[0]->text(), path(u"b.html"_s));
}

void TestFileListCommands::clearingShowsTheWelcomePicture()
{
    auto driver = startWith({u"a.html"_s, u"b.html"_s});
    QVERIFY(driver->control("Picture1")->isHidden());
    driver->choose("mclr");
    QVERIFY(driver->fileListEntries().isEmpty());
    QVERIFY(driver->control("Picture1")->isVisible());
    driver->choose("mclr");
    QVERIFY(driver->fileListEntries().isEmpty());
}

void TestFileListCommands::aClickChoosesThePreviewedFile()
{
    auto driver = startWith({u"a.html"_s, u"b.html"_s});
    driver->clickFileListEntry(1);
    QCOMPARE(driver->control<QComboBox>("Combo1")->currentText(), path(u"b.html"_s));
    QCOMPARE(driver->tabs()->currentIndex(), 0);
    QVERIFY(driver->sourceView()->toPlainText().contains(u"b.htmlのページです。"_s));
}

void TestFileListCommands::aDoubleClickShowsTheWebTab()
{
    auto driver = startWith({u"a.html"_s, u"b.html"_s, u"c.html"_s});
    driver->doubleClickFileListEntry(2);
    QCOMPARE(driver->tabs()->currentIndex(), 3);
    QCOMPARE(driver->control<QComboBox>("Combo1")->currentText(), path(u"c.html"_s));
}

void TestFileListCommands::listsLongerThan32767EntriesWork()
{
    QStringList paths;
    for (int i = 0; i < 40000; ++i)
        paths.append(u"/site/p%1.html"_s.arg(i, 5, 10, QChar(u'0')));
    writeText(projectFile(), projectFileText({{u"site"_s, paths, siteMenu()}}, u"site"_s));
    WindowDriver driver(projectFile());
    QCOMPARE(driver.fileList()->count(), 40000);

    driver.dialogs.htmlFiles.enqueue({u"/site/p39999a.html"_s});
    driver.choose("mSelectHtmlFile");
    QCOMPARE(driver.fileList()->item(40000)->text(), u"/site/p39999a.html"_s);
    driver.fileList()->item(39999)->setSelected(true);
    driver.click("CmdLineDel");
    QCOMPARE(driver.fileList()->count(), 40000);
    QCOMPARE(driver.fileList()->item(39999)->text(), u"/site/p39999a.html"_s);
}

QTEST_MAIN(TestFileListCommands)
#include "test_filelistcommands.moc"
