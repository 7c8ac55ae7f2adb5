#pragma once

#include <QFontMetrics>
#include <QWidget>

namespace zt::ui {

// Room a window frame takes beside its title: the icon and the close, maximise and minimise
// buttons of the common window managers.
inline constexpr int kTitleDecorationWidth = 140;

// Makes a small window wide enough for its whole title: window managers cut a title to the
// window's width, and a cut title no longer says what the window is for.
inline void fitTitle(QWidget& window) {
    const int needed = window.fontMetrics().horizontalAdvance(window.windowTitle()) + kTitleDecorationWidth;
    if (window.minimumWidth() < needed) {
        window.setMinimumWidth(needed);
    }
}

}  // namespace zt::ui
