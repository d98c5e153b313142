#pragma once

#include "engine/runs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QPushButton;
class QWidget;

namespace quillet {

// Shows pages done of pages listed when a run takes longer than about half a second, a few
// times a second: each update repaints and handles the window's events. A run that asks for
// stopCheck gets a "中止" button, which stops it after the batch in progress; no other way
// (Esc, the close button) hides the dialog while pages are written.
class RunProgressDialog
{
    Q_DECLARE_TR_FUNCTIONS(quillet::RunProgressDialog)

public:
    RunProgressDialog(QWidget* parent, const QString& title);
    ~RunProgressDialog();

    // The engine's progress callback, valid while this object lives.
    RunProgress callback();
    // The engine's stop check, true once the stop button was pressed; valid while this
    // object lives.
    RunStop stopCheck();

private:
    void show(qsizetype done, qsizetype total);
    void requestStop();

    std::unique_ptr<QProgressDialog> m_dialog;
    QPushButton* m_stopButton = nullptr;
    QElapsedTimer m_sinceShown;
    bool m_stopRequested = false;
};

} // namespace quillet
