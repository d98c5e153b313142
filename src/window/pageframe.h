#pragma once

#include <QFrame>
#include <QString>

namespace quillet {

// One page under the tab strip: shown exactly when its tag is the selected tab's tag.
class PageFrame : public QFrame
{
    Q_OBJECT
public:
    PageFrame(int index, QString tag, QWidget* content, QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }

private:
    QString tag_;
};

} // namespace quillet
