#pragma once
// The font of the program's windows, from the settings FontName and FontSize.

#include <string>

class QWidget;

namespace fscope {

// Sets `window`'s font family to `name` when it is not blank, and its point size to `size` when
// that is a whole number from 1 to 96 (other texts leave the size as it is).
void ApplyWindowFont(QWidget& window, const std::string& name, const std::string& size = {});

}  // namespace fscope
