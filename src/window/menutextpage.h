#pragma once

#include <QWidget>

namespace quillet {

class CrLfTextEdit;

// The menu text page: the menu the runs write into the pages, as typed or taken from them.
// Its links are kept lower-case at every change, typed or set, as the engine only
// recognises those.
class MenuTextPage : public QWidget
{
    Q_OBJECT
public:
    explicit MenuTextPage(QWidget* parent = nullptr);

    // With CR LF line breaks.
    QString text() const;
    void setText(const QString& crlfText);
    void clear();

private:
    CrLfTextEdit* TxtOrg = nullptr;
};

} // namespace quillet
