#include "flow_layout.h"

#include <QBoxLayout>
#include <QStyle>
#include <QWidget>
#include <algorithm>

TFlowLayout::TFlowLayout(QWidget* parent) : QLayout(parent) {}

TFlowLayout::~TFlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

TFlowLayout* TFlowLayout::ReplaceBoxLayout(QWidget* panel) {
    QLayout* old = panel->layout();
    QList<QWidget*> widgets;
    QMargins margins;
    if (old != nullptr) {
        margins = old->contentsMargins();
        for (int index = 0; index < old->count(); ++index) {
            if (QWidget* widget = old->itemAt(index)->widget()) {
                widgets.append(widget);
            }
        }
        delete old;
    }
    auto* flow = new TFlowLayout(panel);
    flow->setContentsMargins(margins);
    for (QWidget* widget : widgets) {
        flow->addWidget(widget);
    }
    return flow;
}

void TFlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int TFlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* TFlowLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* TFlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations TFlowLayout::expandingDirections() const {
    return {};
}

QSize TFlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return QSize(size.width() + margins.left() + margins.right(),
                 std::max(size.height() + margins.top() + margins.bottom(), height_));
}

QSize TFlowLayout::sizeHint() const {
    // One row of every item, as far as the window's width allows.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize hint = item->sizeHint();
        width += hint.width() + (width > 0 ? Gap(QStyle::PM_LayoutHorizontalSpacing) : 0);
        height = std::max(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(),
            std::max(height + margins.top() + margins.bottom(), height_)};
}

int TFlowLayout::HeightAt(int width) const {
    return const_cast<TFlowLayout*>(this)->Arrange(QRect(0, 0, width, 0), false);
}

void TFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const int height = Arrange(rect, true);
    // The rows wrapped or joined: the layouts above make room for them (once, as the height at
    // this width no longer changes).
    if (height != height_) {
        height_ = height;
        invalidate();
    }
}

int TFlowLayout::Arrange(const QRect& rect, bool place) {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int across = Gap(QStyle::PM_LayoutHorizontalSpacing);
    const int down = Gap(QStyle::PM_LayoutVerticalSpacing);
    int y = area.y();
    // One row at a time: its items side by side, all as high as the highest. A row takes as
    // many items as fit at their least widths; each then gets its preferred width, or where the
    // row is too narrow for that, its least width and a share of the room left in proportion
    // to what it lacks. Room the preferred widths leave goes to the row's items that expand
    // sideways, in equal shares.
    QList<QLayoutItem*> row;
    int rowLeast = 0;
    int rowHeight = 0;
    const auto placeRow = [&] {
        if (!place) {
            return;
        }
        const int room = area.width() - across * (static_cast<int>(row.size()) - 1);
        int preferred = 0;
        int least = 0;
        int expanding = 0;
        for (const QLayoutItem* item : row) {
            preferred += item->sizeHint().width();
            least += item->minimumSize().width();
            expanding += (item->expandingDirections() & Qt::Horizontal) ? 1 : 0;
        }
        const int spare = std::max(0, room - least);
        const int lacking = preferred - least;
        int extra = expanding > 0 ? std::max(0, room - preferred) : 0;
        int x = area.x();
        for (QLayoutItem* item : row) {
            const int itemLeast = item->minimumSize().width();
            const int itemLacks = item->sizeHint().width() - itemLeast;
            int width = preferred <= room || lacking <= 0 ? item->sizeHint().width()
                                                          : itemLeast + itemLacks * spare / lacking;
            if ((item->expandingDirections() & Qt::Horizontal) && expanding > 0) {
                const int share = extra / expanding--;
                width += share;
                extra -= share;
            }
            item->setGeometry(QRect(x, y, width, rowHeight));
            x += width + across;
        }
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const int least = item->minimumSize().width();
        if (!row.isEmpty() && rowLeast + across + least > area.width()) {
            placeRow();
            y += rowHeight + down;
            row.clear();
            rowLeast = 0;
            rowHeight = 0;
        }
        rowLeast += (row.isEmpty() ? 0 : across) + least;
        rowHeight = std::max(rowHeight, item->sizeHint().height());
        row.append(item);
    }
    placeRow();
    const QMargins margins = contentsMargins();
    return y + rowHeight - rect.y() + margins.bottom();
}

int TFlowLayout::Gap(QStyle::PixelMetric metric) const {
    if (spacing() >= 0) {
        return spacing();
    }
    const QWidget* owner = parentWidget();
    return owner != nullptr ? owner->style()->pixelMetric(metric, nullptr, owner) : 0;
}
