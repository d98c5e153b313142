#include "window/crlftextedit.h"

#include "engine/anchorcase.h"
#include "engine/linebreaks.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>

namespace quillet {

CrLfTextEdit::CrLfTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// toPlainText() would also turn no-break spaces into spaces; the raw text keeps them.
QString CrLfTextEdit::text() const
{
    return toCrLf(document()->toRawText());
}

void CrLfTextEdit::setText(const QString& crlfText)
{
    setPlainText(fromCrLf(crlfText));
    emit textReplaced();
}

QString CrLfTextEdit::selectedText() const
{
    return toCrLf(textCursor().selectedText());
}

bool keepAnchorsLowerCase(QPlainTextEdit& box)
{
    // Document positions are indices into the raw text, and the rule never changes the
    // length, so each changed letter can be replaced on its own.
    const QString raw = box.document()->toRawText();
    const QString lowered = applyAnchorCaseRule(raw);
    if (lowered == raw)
        return false;
    QTextCursor cursor(box.document());
    cursor.joinPreviousEditBlock();
    if (lowered.size() == raw.size()) {
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == lowered[i])
                continue;
            cursor.setPosition(int(i));
            cursor.setPosition(int(i + 1), QTextCursor::KeepAnchor);
            cursor.insertText(QString(lowered[i]));
        }
    } else {
        cursor.select(QTextCursor::Document);
        cursor.insertText(lowered);
    }
    cursor.endEditBlock();
    return true;
}

} // namespace quillet
