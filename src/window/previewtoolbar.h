#pragma once

#include <QFrame>

class QComboBox;
class QPushButton;

namespace quillet {

// The toolbar over the source and web views: which file is previewed, taking the menu
// text from a selection, and saving the edited source.
class PreviewToolbar : public QFrame
{
    Q_OBJECT
public:
    explicit PreviewToolbar(QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr;
    QPushButton* CmdComInsert = nullptr;
    QPushButton* CmdFileSave = nullptr;
};

} // namespace quillet
