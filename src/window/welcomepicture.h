#pragma once

#include <QWidget>

namespace quillet {

// The greeting drawn over an empty file list. It lets clicks and drops through to the
// list beneath it.
class WelcomePicture : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomePicture(QWidget* parent = nullptr);

    static QStringList lines();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillet
