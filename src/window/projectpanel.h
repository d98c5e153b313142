#pragma once

#include <QFrame>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillet {

// The project panel over the pages: the project name, its tag and the commands on the
// whole project. It tells what the user did; the command classes answer.
class ProjectPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ProjectPanel(QWidget* parent = nullptr);

    // The name as shown (typed or picked).
    QString name() const;
    // Shows the name as typing it would, nameEdited included.
    void setName(const QString& name);
    // The names offered for picking, in order.
    QStringList names() const;
    // Offers these names instead, showing the first, as picking it would.
    void setNames(const QStringList& names);
    // Offers these names instead and tells nothing: the name shown stays as it is.
    void replaceNamesQuietly(const QStringList& names);

    QString tag() const;
    void setTag(const QString& tag);

signals:
    void nameEdited(const QString& name);
    void namePicked();
    void convertClicked();
    void restoreClicked();
    void clearClicked();
    void removeLinesClicked();

private:
    void setupControls();
    void setupLayout();
    void connectControls();

    QComboBox* CmbName = nullptr;
    QLineEdit* TxtTag = nullptr;
    QPushButton* CodEncode = nullptr;
    QPushButton* CmdDecode = nullptr;
    QPushButton* CmdClear = nullptr;
    QPushButton* CmdLineDel = nullptr;
};

} // namespace quillet
