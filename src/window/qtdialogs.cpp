#include "window/qtdialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quillet {

namespace {

QString titleOf(const UserMessage& message)
{
    return message.title.isEmpty() ? applicationTitle() : message.title;
}

// The buttons speak the interface's language, with its access keys, whatever Qt's own
// translation offers.
void setButtonTexts(QMessageBox& box)
{
    const struct
    {
        QMessageBox::StandardButton button;
        const char* text;
    } texts[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("quillet::QtDialogs", "OK")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("quillet::QtDialogs", "はい(&Y)")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("quillet::QtDialogs", "いいえ(&N)")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("quillet::QtDialogs", "キャンセル")},
    };
    for (const auto& t : texts) {
        if (QAbstractButton* b = box.button(t.button))
            b->setText(QCoreApplication::translate("quillet::QtDialogs", t.text));
    }
}

} // namespace

void QtDialogs::showMessage(const UserMessage& message)
{
    QMessageBox box(QMessageBox::NoIcon, titleOf(message), message.text, QMessageBox::Ok, parent_);
    setButtonTexts(box);
    box.exec();
}

bool QtDialogs::askYesNoCancel(const UserMessage& question)
{
    QMessageBox box(QMessageBox::Question, titleOf(question), question.text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    setButtonTexts(box);
    return box.exec() == QMessageBox::Yes;
}

SaveAnswer QtDialogs::askSaveChanges(const UserMessage& question)
{
    QMessageBox box(QMessageBox::Question, titleOf(question), question.text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    setButtonTexts(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtDialogs::askOkCancel(const UserMessage& question)
{
    return askOkCancelWithDetails(question, {});
}

bool QtDialogs::askOkCancelWithDetails(const UserMessage& question, const QString& details)
{
    QMessageBox box(QMessageBox::Question, titleOf(question), question.text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Ok);
    if (!details.isEmpty())
        box.setDetailedText(details);
    setButtonTexts(box);
    return box.exec() == QMessageBox::Ok;
}

// The dialog gives paths with "/"; the list keeps the platform's separator.
QStringList QtDialogs::askHtmlFiles(const QString& folder)
{
    QStringList paths =
        QFileDialog::getOpenFileNames(parent_, applicationTitle(), folder, htmlFileFilter());
    for (QString& path : paths)
        path = QDir::toNativeSeparators(path);
    return paths;
}

std::optional<QColor> QtDialogs::askColour(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent_, applicationTitle());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

// No is the default: the question comes unasked, from another start of the program.
bool QtDialogs::askYesNo(const UserMessage& question)
{
    QMessageBox box(QMessageBox::Question, titleOf(question), question.text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    setButtonTexts(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quillet
