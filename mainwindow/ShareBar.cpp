#include "mainwindow/ShareBar.h"

#include <QPainter>
#include <cmath>

#include "mainwindow/ExplorerModel.h"

namespace fscope {

namespace {
const QColor kBarFill(185, 212, 245);
const QColor kBarFrame(114, 168, 235);
const QColor kUsedColour(255, 85, 85);
const QColor kFreeColour(125, 205, 114);
}  // namespace

QRect ShareBarRect(const QRect& cell, double percent) {
    const long rounded = std::lround(percent);
    int width = static_cast<int>(cell.width() * rounded / 100);
    if (cell.left() + width >= cell.left() + cell.width())
        width = cell.width() - 3;
    else if (rounded <= 2)
        width = 1;
    const int left = cell.left() + 2;
    const int top = cell.top() + 1;
    const int bottom = cell.top() + cell.height() - 2;  // exclusive edge, as the cell's
    return QRect(QPoint(left, top), QPoint(left + width - 1, bottom - 1));
}

void TShareBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, Qt::white);
    const QRect bar = ShareBarRect(cell, index.data(kRawValueRole).toDouble());
    painter->fillRect(bar, kBarFill);
    painter->setPen(kBarFrame);
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    painter->setPen(Qt::black);
    painter->setFont(option.font);
    const QRect textArea(bar.left() + 5, bar.top() + 1, cell.right() - bar.left() - 5,
                         bar.height());
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    painter->restore();
}

void TUsageBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, Qt::white);
    const QRect used = ShareBarRect(cell, index.data(kRawValueRole).toDouble());
    painter->fillRect(used, kUsedColour);
    painter->fillRect(QRect(QPoint(used.right() + 1, used.top()), QPoint(cell.right(), used.bottom())),
                      kFreeColour);
    painter->restore();
}

}  // namespace fscope
