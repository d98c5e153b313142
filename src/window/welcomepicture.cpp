#include "window/welcomepicture.h"

#include <QPainter>

namespace quillet {

namespace {

// The picture's size in pixels at 96 dots per inch; larger fonts make it grow.
constexpr QSize pictureSize(350, 51);
constexpr int padding = 6;

} // namespace

WelcomePicture::WelcomePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(sizeHint());
}

QStringList WelcomePicture::lines()
{
    return {tr("ようこそ　クイレットへ！"), tr("ここにファイルをドラッグ＆ドロップして下さい。")};
}

QSize WelcomePicture::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : lines())
        width = std::max(width, metrics.horizontalAdvance(line));
    const int height = 2 * metrics.lineSpacing();
    return pictureSize.expandedTo(QSize(width + 2 * padding, height + 2 * padding));
}

void WelcomePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Text));
    const QRect inner = rect().adjusted(padding, padding, -padding, -padding);
    painter.drawText(inner, Qt::AlignCenter, lines().join(u'\n'));
}

} // namespace quillet
