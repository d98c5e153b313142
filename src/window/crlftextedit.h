#pragma once

#include <QPlainTextEdit>

namespace quillet {

// A plain-text box whose text goes in and out with CR LF line breaks, whatever the
// document holds inside. Lines are not wrapped: pages and menus are source text.
class CrLfTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CrLfTextEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& crlfText);
    void clear() { setText(QString()); }
    QString selectedText() const;

signals:
    // The whole text was set from code (never by typing).
    void textReplaced();
};

// Lowers "<A" and "</A" in the box where they stand, so the caret and the undo history
// survive typing; returns whether anything changed.
bool keepAnchorsLowerCase(QPlainTextEdit& box);

} // namespace quillet
