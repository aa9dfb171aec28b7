#pragma once
// Menu items whose command comes with a later part of the program: they are shown (so the menus
// look complete) but stay disabled, whatever the enabling rules of their menu say.

#include <QAction>

namespace fscope {

inline constexpr char kLaterCommandProperty[] = "laterCommand";

inline void MarkAsLater(QAction& action) {
    action.setProperty(kLaterCommandProperty, true);
    action.setEnabled(false);
}

inline bool IsLater(const QAction& action) {
    return action.property(kLaterCommandProperty).toBool();
}

// Applies an enabling rule to an item; an item without its command stays disabled.
inline void EnableItem(QAction& action, bool enabled) {
    action.setEnabled(enabled && !IsLater(action));
}

}  // namespace fscope
