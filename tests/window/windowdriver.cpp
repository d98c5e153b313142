#include "windowdriver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace {

// QTest::keyClicks sends Latin-1 only; Japanese text arrives as key events with text.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

WindowDriver::WindowDriver(const QString& projectFile)
    : m_window(std::make_unique<quillet::FomMain>(projectFile, dialogs))
{
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the window did not appear");
    if (!waitForReload())
        qFatal("the start-up reload did not run");
}

WindowDriver::~WindowDriver() = default;

QComboBox* WindowDriver::names() const
{
    return control<QComboBox>("CmbName");
}

QLineEdit* WindowDriver::tag() const
{
    return control<QLineEdit>("TxtTag");
}

QListWidget* WindowDriver::fileList() const
{
    return control<QListWidget>("LstFile");
}

QPlainTextEdit* WindowDriver::menuText() const
{
    return control<QPlainTextEdit>("TxtOrg");
}

QPlainTextEdit* WindowDriver::sourceView() const
{
    return control<QPlainTextEdit>("RTB1");
}

QListWidget* WindowDriver::log() const
{
    return control<QListWidget>("LstLog");
}

QTabBar* WindowDriver::tabs() const
{
    return control<QTabBar>("TabStrip1");
}

bool WindowDriver::waitForReload() const
{
    auto* timer = control<QTimer>("Timer1");
    return QTest::qWaitFor([timer] { return !timer->isActive(); }, 3000);
}

// Opens the drop-down list and clicks the entry.
void WindowDriver::pickProject(const QString& name)
{
    QComboBox* combo = names();
    const int row = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0)
        qFatal("no project %s in the list", qPrintable(name));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        qFatal("the project list did not open");
    const QRect entry = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }))
        qFatal("the project list did not close");
}

void WindowDriver::typeProjectName(const QString& name)
{
    QLineEdit* edit = names()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, name);
}

// Types the lines at the end of the menu text, each after a new line.
void WindowDriver::typeMenuText(const QStringList& lines)
{
    QPlainTextEdit* box = menuText();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 || !box->toPlainText().isEmpty())
            QTest::keyClick(box, Qt::Key_Return);
        typeText(box, lines[i]);
    }
}

void WindowDriver::click(const char* buttonName)
{
    QTest::mouseClick(control<QPushButton>(buttonName), Qt::LeftButton);
}

void WindowDriver::choose(const char* menuItemName)
{
    control<QAction>(menuItemName)->trigger();
}

void WindowDriver::clickTab(int n)
{
    QTabBar* bar = tabs();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(n - 1).center());
}

void WindowDriver::clickFileListEntry(int row)
{
    QListWidget* list = fileList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

namespace {

QStringList entriesOf(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

} // namespace

QStringList WindowDriver::fileListEntries() const
{
    return entriesOf(fileList());
}

QStringList WindowDriver::logLines() const
{
    return entriesOf(log());
}

QStringList WindowDriver::projectNames() const
{
    QStringList entries;
    for (int i = 0; i < names()->count(); ++i)
        entries.append(names()->itemText(i));
    return entries;
}
