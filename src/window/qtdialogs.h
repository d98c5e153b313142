#pragma once

#include "window/windowdialogs.h"

class QCoreApplication;
class QWidget;

namespace quillet {

// The open dialog's choice of files.
inline const QString htmlFileFilter =
    QStringLiteral("HTMLファイル (*.htm *.html *.shtml);;すべてのファイル (*)");

// Loads Qt's own Japanese texts, so that its file, colour and message dialogs speak the
// program's language; false when they are not installed.
bool installQtTranslations(QCoreApplication& app);

// The window's questions and messages as modal Qt dialogs over the given parent.
class QtDialogs : public WindowDialogs
{
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const UserMessage& message) override;
    bool askYesNoCancel(const UserMessage& question) override;
    SaveAnswer askSaveChanges(const UserMessage& question) override;
    bool askOkCancel(const UserMessage& question) override;
    bool askOkCancelWithDetails(const UserMessage& question, const QString& details) override;
    QStringList askHtmlFiles(const QString& folder) override;
    std::optional<QColor> askColour(const QColor& initial) override;
    bool askYesNo(const UserMessage& question) override;

private:
    QWidget* parent_;
};

} // namespace quillet
