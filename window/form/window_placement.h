#pragma once

class QWidget;

// Shows `window`, a top-level child of `owner`, and brings it to the front. With `place` (its
// first showing) it is first put beside `owner` as PlaceBeside (screen_fit.h) decides: entirely
// on the screen, beside the owner where there is room (narrowed down to `narrowest` pixels if
// need be), else over it; where that would cover another of the owner's windows on the screen
// (the laboratory opened beside the step view), where PlaceClear finds it covers them least. A window manager adds the window's frame only once the window is
// shown, so the place is worked out again, once, when the window first moves or resizes with a
// frame around it.
void ShowBesideOwner(QWidget* window, const QWidget* owner, int narrowest, bool place);
