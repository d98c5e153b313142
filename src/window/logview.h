#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

namespace quillet {

// The log page: one line per thing a command did, newest last.
class LogView : public QWidget
{
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    void appendLines(const QStringList& lines);
    // The lines of the command just run instead of what the log held.
    void replaceLines(const QStringList& lines);

private:
    QListWidget* LstLog = nullptr;
};

} // namespace quillet
