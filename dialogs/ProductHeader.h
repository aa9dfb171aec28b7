#pragma once
// The header band of the program's small windows: a picture, a bold title and lines of text
// in the product's blue.

#include <QColor>
#include <QString>
#include <QStringList>

class QLabel;
class QPixmap;
class QWidget;

namespace fscope {

inline const QColor kProductBlue{59, 90, 130};

// The product's picture: a disk-usage pie of `pixels` square.
QPixmap ProductPicture(int pixels);

// A label in the product's blue, word-wrapped.
QLabel* BlueLabel(const QString& text, QWidget* parent);

// The band with `title` in bold at `titlePixels` pixels and one label per line of `lines`.
QWidget* MakeProductHeader(QWidget* parent, const QString& title, int titlePixels,
                           const QStringList& lines);

}  // namespace fscope
