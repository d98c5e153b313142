#include "windowdriver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
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

QStringList entriesOf(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

} // namespace

WindowDriver::WindowDriver(const QString& projectFile, const QStringList& openedPages)
    : m_window(std::make_unique<quillet::FomMain>(projectFile, dialogs))
{
    m_window->offerPages(openedPages);
    // The window's undo journal goes into Qt's test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()) || !waitForReload())
        qFatal("the window did not start");
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
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (row < 0 || !QTest::qWaitFor([view] { return view->isVisible(); }))
        qFatal("cannot pick %s", qPrintable(name));
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

void WindowDriver::typeInChooser(const QString& path)
{
    QLineEdit* edit = chooser()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, path);
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
    QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(n - 1).center());
}

void WindowDriver::clickFileListEntry(int row)
{
    QListWidget* list = fileList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void WindowDriver::doubleClickFileListEntry(int row)
{
    QListWidget* list = fileList();
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void WindowDriver::controlClickFileListEntries(const QList<int>& rows)
{
    QListWidget* list = fileList();
    for (const int row : rows)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(row)).center());
}

void WindowDriver::rightClickFileList(const QPoint& pos)
{
    QTest::mousePress(fileList()->viewport(), Qt::RightButton, {}, pos);
    QTest::mouseRelease(fileList()->viewport(), Qt::RightButton, {}, pos);
}

void WindowDriver::dropOnFileList(const QList<QUrl>& urls)
{
    QWidget* target = fileList()->viewport();
    const QPointF centre = QRectF(target->rect()).center();
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
}

void WindowDriver::dropFilesOnFileList(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    dropOnFileList(urls);
}

QStringList WindowDriver::fileListEntries() const
{
    return entriesOf(fileList());
}

QStringList WindowDriver::logLines() const
{
    return entriesOf(control<QListWidget>("LstLog"));
}

QStringList WindowDriver::projectNames() const
{
    QStringList entries;
    for (int i = 0; i < names()->count(); ++i)
        entries.append(names()->itemText(i));
    return entries;
}
