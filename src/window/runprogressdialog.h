#pragma once

#include "engine/runs.h"

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QWidget;

namespace quillet {

// Shows pages done of pages listed when a run takes longer than about half a second, a few
// times a second: each update repaints and handles the window's events.
// A run cannot be cancelled half-way, so the dialog has no cancel button.
class RunProgressDialog
{
public:
    RunProgressDialog(QWidget* parent, const QString& title);
    ~RunProgressDialog();

    // The engine's progress callback, valid while this object lives.
    RunProgress callback();

private:
    void show(qsizetype done, qsizetype total);

    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceShown;
};

} // namespace quillet
