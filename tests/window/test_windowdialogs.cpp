#include "project/projectmessages.h"
#include "window/interfacelanguage.h"
#include "window/mainmenu.h"
#include "window/qtdialogs.h"
#include "window/runprogressdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

// The real dialogs: message boxes with the application's title and Japanese buttons, and the
// progress shown during long runs.
class TestWindowDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxTitles_data();
    void messageBoxTitles();
    void questionIsYesOnlyForYes_data();
    void questionIsYesOnlyForYes();
    void saveQuestionTellsTheThreeAnswersApart_data();
    void saveQuestionTellsTheThreeAnswersApart();
    void progressAppearsOnlyForSlowRuns();
    void stopButtonAsksTheRunToStop();
    void openDialogOffersHtmlPagesThenAllFiles();
    void interfaceFollowsTheDesktopsLanguage_data();
    void interfaceFollowsTheDesktopsLanguage();

private:
    // Presses the button in the next message box that opens, noting its title and buttons.
    void pressInNextBox(QWidget& parent, QMessageBox::StandardButton button);

    QString m_title;
    QStringList m_buttons;
};

void TestWindowDialogs::pressInNextBox(QWidget& parent, QMessageBox::StandardButton button)
{
    auto* poll = new QTimer(&parent);
    connect(poll, &QTimer::timeout, poll, [this, poll, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        m_title = box->windowTitle();
        m_buttons.clear();
        for (QAbstractButton* b : box->buttons())
            m_buttons.append(b->text());
        box->button(button)->click();
    });
    poll->start(10);
}

void TestWindowDialogs::messageBoxTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no title of its own") << QString() << u"クイレット"_s;
    QTest::newRow("own title") << u"選択エラー"_s << u"選択エラー"_s;
}

void TestWindowDialogs::messageBoxTitles()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QWidget parent;
    quillet::QtDialogs dialogs(&parent);
    pressInNextBox(parent, QMessageBox::Ok);

    dialogs.showMessage({title, u"本文"_s});

    QCOMPARE(m_title, shown);
    QCOMPARE(m_buttons, QStringList{u"OK"_s});
}

void TestWindowDialogs::questionIsYesOnlyForYes_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
    QTest::newRow("cancel") << QMessageBox::Cancel << false;
}

void TestWindowDialogs::questionIsYesOnlyForYes()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(bool, yes);
    QWidget parent;
    quillet::QtDialogs dialogs(&parent);
    pressInNextBox(parent, button);

    QCOMPARE(dialogs.askYesNoCancel({QString(), u"削除しますか?"_s}), yes);
    m_buttons.sort();
    QCOMPARE(m_buttons, QStringList({u"いいえ(&N)"_s, u"はい(&Y)"_s, u"キャンセル"_s}));
}

void TestWindowDialogs::saveQuestionTellsTheThreeAnswersApart_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<quillet::SaveAnswer>("answer");
    QTest::newRow("yes") << QMessageBox::Yes << quillet::SaveAnswer::Save;
    QTest::newRow("no") << QMessageBox::No << quillet::SaveAnswer::Discard;
    QTest::newRow("cancel") << QMessageBox::Cancel << quillet::SaveAnswer::Cancel;
}

void TestWindowDialogs::saveQuestionTellsTheThreeAnswersApart()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(quillet::SaveAnswer, answer);
    QWidget parent;
    quillet::QtDialogs dialogs(&parent);
    pressInNextBox(parent, button);

    QCOMPARE(dialogs.askSaveChanges({QString(), u"変更を保存しますか?"_s}), answer);
    QCOMPARE(m_buttons.size(), 3);
}

void TestWindowDialogs::progressAppearsOnlyForSlowRuns()
{
    QWidget parent;
    parent.show();
    quillet::RunProgressDialog progress(&parent, u"変換"_s);
    const quillet::RunProgress report = progress.callback();
    auto* dialog = parent.findChild<QProgressDialog*>(u"RunProgress"_s);
    QVERIFY(dialog);

    report(1, 4);
    QVERIFY(!dialog->isVisible());
    QTest::qSleep(600); // a slow page
    report(2, 4);

    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->labelText(), u"2 / 4 ページ"_s);
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());
    report(4, 4);
    QVERIFY(!dialog->isVisible());
}

// The stop waits for the batch in progress: the dialog stays, the run asks and ends.
void TestWindowDialogs::stopButtonAsksTheRunToStop()
{
    QWidget parent;
    parent.show();
    quillet::RunProgressDialog progress(&parent, u"戻す"_s);
    const quillet::RunProgress report = progress.callback();
    const quillet::RunStop stop = progress.stopCheck();
    auto* dialog = parent.findChild<QProgressDialog*>(u"RunProgress"_s);
    QTest::qSleep(600);
    report(1, 4);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), u"戻す"_s);
    auto* button = dialog->findChild<QPushButton*>(u"CmdStop"_s);
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), u"中止"_s);
    QVERIFY(!stop());

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(stop());
    QVERIFY(dialog->isVisible() && !button->isEnabled());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    report(4, 4);
    QVERIFY(!dialog->isVisible());
}

void TestWindowDialogs::openDialogOffersHtmlPagesThenAllFiles()
{
    QWidget parent;
    quillet::QtDialogs dialogs(&parent);
    QStringList filters;
    QTimer::singleShot(0, &parent, [&filters] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        filters = dialog->nameFilters();
        dialog->reject();
    });

    QVERIFY(dialogs.askHtmlFiles(QDir::tempPath()).isEmpty());
    QCOMPARE(filters,
             QStringList({u"HTMLファイル (*.htm *.html *.shtml)"_s, u"すべてのファイル (*)"_s}));
}

void TestWindowDialogs::interfaceFollowsTheDesktopsLanguage_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QString>("coreQuestion");
    QTest::addColumn<bool>("qtSpeaksJapanese");

    QTest::newRow("Japanese") << u"ja_JP"_s << u"プロジェクト(&P)"_s << u"変更を保存しますか?"_s
                              << true;
    QTest::newRow("no language set")
        << u"C"_s << u"プロジェクト(&P)"_s << u"変更を保存しますか?"_s << true;
    QTest::newRow("English") << u"en_US"_s << u"&Project"_s << u"Save the changes?"_s << false;
    QTest::newRow("German") << u"de_DE"_s << u"&Project"_s << u"Save the changes?"_s << false;
}

void TestWindowDialogs::interfaceFollowsTheDesktopsLanguage()
{
    QFETCH(QString, desktop);
    QFETCH(QString, menuCaption);
    QFETCH(QString, coreQuestion);
    QFETCH(bool, qtSpeaksJapanese);

    const QList<QTranslator*> translators =
        quillet::installTranslations(*QCoreApplication::instance(), QLocale(desktop));
    QCOMPARE(translators.size(), 1);
    QMainWindow window;
    const quillet::MainMenu menu = quillet::setupMainMenu(*window.menuBar(), window);
    const QString caption = menu.mpro->title();
    const QString question = quillet::saveChangesQuestion().text;
    const bool qtJapanese = QColorDialog::tr("Select Color") != u"Select Color"_s;
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    QCOMPARE(caption, menuCaption);
    QCOMPARE(question, coreQuestion);
    QCOMPARE(qtJapanese, qtSpeaksJapanese);
}

QTEST_MAIN(TestWindowDialogs)
#include "test_windowdialogs.moc"
