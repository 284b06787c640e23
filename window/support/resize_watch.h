#pragma once

#include <functional>

class QWidget;

// Calls `handler`, inside the guard, after every resize of `widget`, for as long as the widget
// lives: a window rearranges its content when the room it has changes.
void WhenResized(QWidget* widget, std::function<void()> handler);
