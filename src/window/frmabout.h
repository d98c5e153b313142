#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillet {

class WindowDialogs;

// The version window: product name, version, the free-software notice and the address,
// above every other window, without blocking the main window.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    frmAbout(WindowDialogs& dialogs, const QString& projectFile, QWidget* parent);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblProjectFile = nullptr; // which "mprj.xml" the window works on
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

private:
    void setupLabels(const QString& projectFile);
    void setupButtons();
    void setupLayout();
    void cmdSysInfo_Click();
    void StartSysInfo();

    WindowDialogs& m_dialogs;
};

} // namespace quillet
