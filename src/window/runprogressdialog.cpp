#include "window/runprogressdialog.h"

#include <QCloseEvent>
#include <QProgressDialog>
#include <QPushButton>

namespace quillet {

namespace {

constexpr int showAfterMs = 500;
constexpr int updateEveryMs = 200;

// Neither Esc nor the close button may hide the dialog while the pages are written.
class UncancellableProgressDialog : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;

protected:
    void reject() override {}
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

RunProgressDialog::RunProgressDialog(QWidget* parent, const QString& title)
    : m_dialog(std::make_unique<UncancellableProgressDialog>(parent))
{
    m_dialog->setObjectName(QStringLiteral("RunProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setCancelButton(nullptr);
    m_dialog->setMinimumDuration(showAfterMs);
    m_dialog->setAutoClose(true);
    m_dialog->setAutoReset(true);
}

RunProgressDialog::~RunProgressDialog() = default;

RunProgress RunProgressDialog::callback()
{
    // The clock starts with the run, not with the first finished page.
    m_dialog->setValue(0);
    m_sinceShown.start();
    return [this](qsizetype done, qsizetype total) {
        show(done, total);
    };
}

RunStop RunProgressDialog::stopCheck()
{
    m_stopButton = new QPushButton(tr("中止"));
    m_stopButton->setObjectName(QStringLiteral("CmdStop"));
    m_dialog->setCancelButton(m_stopButton);
    // The dialog would reset and hide itself at once; it stays until the batch is in place.
    QObject::disconnect(m_dialog.get(), SIGNAL(canceled()), m_dialog.get(), SLOT(cancel()));
    QObject::connect(m_dialog.get(), &QProgressDialog::canceled, m_dialog.get(),
                     [this] { requestStop(); });
    return [this] {
        return m_stopRequested;
    };
}

void RunProgressDialog::requestStop()
{
    m_stopRequested = true;
    m_stopButton->setEnabled(false);
    m_dialog->setLabelText(tr("中止しています…"));
}

void RunProgressDialog::show(qsizetype done, qsizetype total)
{
    if (done < total && m_sinceShown.elapsed() < updateEveryMs)
        return;
    m_sinceShown.restart();
    if (m_dialog->maximum() != int(total))
        m_dialog->setMaximum(int(total));
    if (!m_stopRequested)
        m_dialog->setLabelText(tr("%1 / %2 ページ").arg(done).arg(total));
    m_dialog->setValue(int(done));
}

} // namespace quillet
