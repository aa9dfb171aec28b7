#include "dialogs/ProductHeader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace fscope {
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
    picture->setPixmap(parent->style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(48, 48));
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
