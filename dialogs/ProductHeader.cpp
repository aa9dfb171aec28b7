#include "dialogs/ProductHeader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace fscope {
QPixmap ProductPicture(int pixels) {
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disk(1.5, 1.5, pixels - 3.0, pixels - 3.0);
    painter.setPen(QPen(kProductBlue.darker(130), 1.5));
    painter.setBrush(QColor(200, 214, 232));
    painter.drawEllipse(disk);
    painter.setBrush(kProductBlue);
    painter.drawPie(disk, 90 * 16, 130 * 16);  // the used share, counter-clockwise from 12
    painter.setBrush(QColor(232, 160, 60));
    painter.drawPie(disk, 220 * 16, 60 * 16);
    return picture;
}

QLabel* BlueLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kProductBlue);
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

QWidget* MakeProductHeader(QWidget* parent, const QString& title, int titlePixels,
                           const QStringList& lines) {
    auto* header = new QWidget(parent);
    header->setObjectName("pnlHeader");
    auto* picture = new QLabel(header);
    picture->setPixmap(ProductPicture(48));
    picture->setAlignment(Qt::AlignTop);

    QLabel* titleLabel = BlueLabel(title, header);
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(titlePixels);
    titleLabel->setFont(titleFont);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(titleLabel);
    for (const QString& line : lines) texts->addWidget(BlueLabel(line, header));
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addWidget(picture);
    layout->addLayout(texts, 1);
    return header;
}

}  // namespace fscope
