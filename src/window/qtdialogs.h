#pragma once

#include "window/windowdialogs.h"

class QWidget;

namespace quillet {

// The open dialog's choice of files.
inline QString htmlFileFilter()
{
    return QCoreApplication::translate("quillet::QtDialogs",
                                       "HTMLファイル (*.htm *.html *.shtml);;すべてのファイル (*)");
}

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
