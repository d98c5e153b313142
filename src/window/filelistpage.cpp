#include "window/filelistpage.h"

#include "filelist/filelistorder.h"
#include "window/filelistwidget.h"
#include "window/welcomepicture.h"

#include <QGridLayout>

namespace quillet {

namespace {

// Where the picture sits below the top of the list, in pixels (660 twips).
constexpr int welcomePictureTop = 44;
// Up to this many paths are added one at a time.
constexpr qsizetype fewPaths = 100;

} // namespace

FileListPage::FileListPage(QWidget* parent) : QWidget(parent)
{
    LstFile = new FileListWidget(this);
    LstFile->setObjectName(QStringLiteral("LstFile"));
    LstFile->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LstFile, 0, 0);

    Picture1 = new WelcomePicture(this);
    Picture1->raise();
    keepWelcomePictureInStep();
    setFocusProxy(LstFile);
    connectList();
}

void FileListPage::connectList()
{
    connect(LstFile, &QListWidget::itemClicked, this, [this] {
        if (!currentPath().isEmpty())
            emit entryClicked(currentPath());
    });
    connect(LstFile, &QListWidget::itemDoubleClicked, this, [this] {
        if (!currentPath().isEmpty())
            emit entryDoubleClicked(currentPath());
    });
    connect(LstFile, &FileListWidget::rightButtonPressed, this, &FileListPage::popupRequested);
    connect(LstFile, &FileListWidget::filesDropped, this, &FileListPage::filesDropped);
}

// The entry the click made current; a Ctrl+click may have deselected it.
QString FileListPage::currentPath() const
{
    const QListWidgetItem* current = LstFile->currentItem();
    return current ? current->text() : QString();
}

// The list's model is reset while the widgets are torn down, after this page has stopped
// being one.
FileListPage::~FileListPage()
{
    LstFile->model()->disconnect(this);
}

// A picture left over entries would hide them, so it follows every change of the list.
void FileListPage::keepWelcomePictureInStep()
{
    const QAbstractItemModel* model = LstFile->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &FileListPage::updateWelcomePicture);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &FileListPage::updateWelcomePicture);
    connect(model, &QAbstractItemModel::modelReset, this, &FileListPage::updateWelcomePicture);
}

QStringList FileListPage::paths() const
{
    QStringList result;
    result.reserve(LstFile->count());
    for (int i = 0; i < LstFile->count(); ++i)
        result.append(LstFile->item(i)->text());
    return result;
}

void FileListPage::setPaths(const QStringList& paths)
{
    clear();
    LstFile->addItems(sortFileList(paths));
}

qsizetype FileListPage::count() const
{
    return LstFile->count();
}

QString FileListPage::firstSelectedPath() const
{
    for (int i = 0; i < LstFile->count(); ++i) {
        if (LstFile->item(i)->isSelected())
            return LstFile->item(i)->text();
    }
    return {};
}

void FileListPage::addPaths(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    // A few entries go in at their places; more rebuild the list, which costs time linear in
    // it, where inserting each moves all the entries after it.
    if (paths.size() <= fewPaths)
        insertSorted(sortFileList(paths));
    else
        rebuildWith(sortFileList(paths));
}

// One pass over the list and the paths, each inserted after the entries equal to it.
void FileListPage::insertSorted(const QStringList& sortedPaths)
{
    int row = 0;
    for (const QString& path : sortedPaths) {
        while (row < LstFile->count() && !fileListLess(path, LstFile->item(row)->text()))
            ++row;
        LstFile->insertItem(row++, path);
    }
}

// The same merge into a new list, which keeps the selection and the entry the keys move from.
void FileListPage::rebuildWith(const QStringList& sortedPaths)
{
    QStringList merged;
    merged.reserve(LstFile->count() + sortedPaths.size());
    QList<int> selectedRows;
    int currentRow = -1;
    qsizetype next = 0;
    for (int row = 0; row < LstFile->count(); ++row) {
        const QListWidgetItem* item = LstFile->item(row);
        while (next < sortedPaths.size() && fileListLess(sortedPaths[next], item->text()))
            merged.append(sortedPaths[next++]);
        if (item->isSelected())
            selectedRows.append(int(merged.size()));
        if (item == LstFile->currentItem())
            currentRow = int(merged.size());
        merged.append(item->text());
    }
    merged.append(sortedPaths.mid(next));
    clear();
    LstFile->addItems(merged);
    if (currentRow >= 0)
        LstFile->setCurrentRow(currentRow, QItemSelectionModel::NoUpdate);
    for (const int row : std::as_const(selectedRows))
        LstFile->item(row)->setSelected(true);
}

void FileListPage::clear()
{
    LstFile->clear();
}

void FileListPage::deselectAll()
{
    LstFile->clearSelection();
}

void FileListPage::removeSelected()
{
    // One rebuild: taking items out one by one is quadratic in a long list.
    QStringList kept;
    for (int i = 0; i < LstFile->count(); ++i) {
        if (!LstFile->item(i)->isSelected())
            kept.append(LstFile->item(i)->text());
    }
    if (kept.size() == LstFile->count())
        return;
    clear();
    LstFile->addItems(kept);
}

void FileListPage::updateWelcomePicture()
{
    Picture1->setVisible(LstFile->count() == 0);
}

void FileListPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeWelcomePicture();
}

void FileListPage::placeWelcomePicture()
{
    const QSize size = Picture1->sizeHint();
    Picture1->setGeometry((width() - size.width()) / 2, welcomePictureTop, size.width(),
                          size.height());
    Picture1->raise();
}

} // namespace quillet
