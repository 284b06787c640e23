#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

class QBoxLayout;
class QLayoutItem;

// A layout that sets its items in a row, left to right, and starts a new row where the next item
// would pass the right edge, as words wrap in a paragraph. A row of buttons under it never asks
// its window for more width than its widest button: enlarged for a projector, the buttons wrap
// instead of pushing the window past the screen.
//
// A row takes as many items as fit at their least widths; each item then gets its preferred
// width where the row has room, else less, down to its least, and the row's height (the highest
// hint in the row), so that boxes side by side line up. What room the row has left goes to its
// items that expand sideways (a slider), in equal shares. The rows are spaced by the layout's
// spacing (the style's default where none is set). The height the rows take at the width last given
// becomes the layout's minimum height, rather than a height-for-width, which would make every
// layout above it ask for the preferred heights of all its other items as well.
class TFlowLayout : public QLayout {
public:
    explicit TFlowLayout(QWidget* parent = nullptr);
    ~TFlowLayout() override;

    // Moves the widgets of `panel`'s box layout, in their order, into a flow layout that takes
    // its place; spacers are dropped. The box layout is deleted.
    static TFlowLayout* ReplaceBoxLayout(QWidget* panel);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

    // The height the rows take at `width`, margins included.
    int HeightAt(int width) const;

private:
    // Lays the items out in `rect` (with `place`, else only measures); returns the height they
    // take, margins included.
    int Arrange(const QRect& rect, bool place);
    int Gap(QStyle::PixelMetric metric) const;

    QList<QLayoutItem*> items_;
    int height_ = 0; // the rows' height at the last width given, margins included
};
