#pragma once

#include "engine/sourcesave.h"

#include <QObject>
#include <QStringList>
#include <optional>

class QWidget;

namespace quillet {

class PreviewToolbar;
class SourceTextView;
class WebPageView;

// The preview of one file: the chooser over the source and web views, and what they show.
// The source view is also the runs' work buffer, which shows the last page a command read.
// It tells what the user asked of the source; the command classes answer.
class PagePreview : public QObject
{
    Q_OBJECT
public:
    explicit PagePreview(QWidget* window);

    // For the window's layout only: the toolbar over the pages, and the two pages.
    QWidget* toolbar() const;
    QWidget* sourcePage() const;
    QWidget* webPage() const;

    // The file named for preview (typed or picked), or empty.
    QString chosenPath() const;
    // Names the file as typing it would: both views follow.
    void choosePath(const QString& path);
    // Offers the files for choosing and names chosen, or else the first of them.
    void offerFiles(const QStringList& paths, const QString& chosen);
    // Both views show the chosen file.
    void showChosen();
    void setMenuFromSelectionEnabled(bool enabled);
    // Offers nothing, names nothing and shows no source.
    void clear();
    void clearSource();
    // The text of the last page a command read.
    void showLastPageRead(const QString& text);

    QString selectedSourceText() const;
    // Where the source save writes: the file named for preview.
    QString saveTarget() const;
    // The file the source text was loaded from, while it still shows that file.
    const std::optional<SourceOrigin>& sourceOrigin() const;
    QString sourceText() const;
    // Whether the source view holds edits of its file that are not saved yet.
    bool hasUnsavedSourceEdits() const;
    // The source text was written to the origin's file.
    void markSourceSaved(const SourceOrigin& origin);

signals:
    void menuFromSelectionRequested();
    void saveSourceRequested();

private:
    void connectControls();
    void showDroppedFile(const QStringList& paths);

    PreviewToolbar* FrmHtml = nullptr;
    SourceTextView* RTB1 = nullptr;
    WebPageView* WB2 = nullptr;
};

} // namespace quillet
