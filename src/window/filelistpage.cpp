#include "window/filelistpage.h"

#include "filelist/filelistorder.h"
#include "window/welcomepicture.h"

#include <QGridLayout>
#include <QListWidget>

namespace quillet {

namespace {

// Where the picture sits below the top of the list, in pixels (660 twips).
constexpr int welcomePictureTop = 44;

} // namespace

FileListPage::FileListPage(QWidget* parent) : QWidget(parent)
{
    LstFile = new QListWidget(this);
    LstFile->setObjectName(QStringLiteral("LstFile"));
    LstFile->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LstFile, 0, 0);

    Picture1 = new WelcomePicture(this);
    Picture1->raise();
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

void FileListPage::addPath(const QString& path)
{
    const qsizetype row = sortedInsertPosition(paths(), path);
    LstFile->insertItem(int(row), path);
}

void FileListPage::clear()
{
    LstFile->clear();
}

void FileListPage::deselectAll()
{
    LstFile->clearSelection();
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
