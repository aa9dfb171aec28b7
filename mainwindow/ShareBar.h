#pragma once
// The percentage bars of the lists: the geometry rule and the delegates that paint them.

#include <QRect>
#include <QStyledItemDelegate>

namespace fscope {

// The bar inside `cell` for `percent`: width = cell width x round(percent) / 100; cell width - 3
// when the bar would not end inside the cell; 1 pixel when percent rounds to 2 or less. It
// starts 2 pixels right of the cell's left edge, 1 below its top, and ends 2 above its bottom.
QRect ShareBarRect(const QRect& cell, double percent);

// Draws the "% of Parent" cell of the File Explorer: a white cell, the bar and the percentage
// text over it. The percentage comes from the model's raw-value role, the text from its
// display role.
class TShareBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The "Usage" cell of the All Drives Summary: the used part red, the free part green.
class TUsageBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace fscope
