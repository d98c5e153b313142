#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillet {

// The project panel over the pages: the project name, its tag and the commands on the
// whole project. The window connects the commands.
class ProjectPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ProjectPanel(QWidget* parent = nullptr);

    QComboBox* CmbName = nullptr;
    QLineEdit* TxtTag = nullptr;
    QPushButton* CodEncode = nullptr;
    QPushButton* CmdDecode = nullptr;
    QPushButton* CmdClear = nullptr;
    QPushButton* CmdLineDel = nullptr;

private:
    void setupControls();
    void setupLayout();
};

} // namespace quillet
