#include "dialogs/WindowFont.h"

#include <QFont>
#include <QString>
#include <QWidget>

namespace fscope {

void ApplyWindowFont(QWidget& window, const std::string& name, const std::string& size) {
    QFont font = window.font();
    const QString family = QString::fromStdString(name).trimmed();
    if (!family.isEmpty()) font.setFamily(family);
    bool isNumber = false;
    const int points = QString::fromStdString(size).trimmed().toInt(&isNumber);
    if (isNumber && points >= 1 && points <= 96) font.setPointSize(points);
    window.setFont(font);
}

}  // namespace fscope
