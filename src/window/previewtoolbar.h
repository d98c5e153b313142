#pragma once

#include <QFrame>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace quillet {

// The toolbar over the source and web views: which file is previewed, taking the menu
// text from a selection, and saving the edited source. It tells what the user did; the
// command classes answer.
class PreviewToolbar : public QFrame
{
    Q_OBJECT
public:
    explicit PreviewToolbar(QWidget* parent = nullptr);

    // The file named for preview (typed or picked), or empty.
    QString chosenPath() const;
    // Names the file as typing it would, chosenPathEdited included.
    void choosePath(const QString& path);
    // Offers these files instead; nothing is named until choosePath.
    void setChoices(const QStringList& paths);
    // Offers nothing and names nothing.
    void clearChoices();
    void setMenuFromSelectionEnabled(bool enabled);

signals:
    void chosenPathEdited();
    void chosenPathPicked();
    void menuFromSelectionClicked();
    void saveSourceClicked();

private:
    QComboBox* Combo1 = nullptr;
    QPushButton* CmdComInsert = nullptr;
    QPushButton* CmdFileSave = nullptr;
};

} // namespace quillet
