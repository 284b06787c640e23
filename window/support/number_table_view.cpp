#include "number_table_view.h"

#include "guard.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace {

// Room beside a cell's text: the style's margins on both sides and a little air.
constexpr int kCellPadding = 16;
// Room above and below a row's text.
constexpr int kRowPadding = 6;

} // namespace

TNumberTableView::TNumberTableView(QWidget* parent) : QTableView(parent) {
    frozen_ = new QTableView(this);
    SetUpFrozen();
}

void TNumberTableView::SetUpFrozen() {
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    frozen_->setWordWrap(false);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->hide();
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { Guarded([this] { PlaceFrozen(); }); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { Guarded([this] { PlaceFrozen(); }); });
}

void TNumberTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setSelectionMode(selectionMode());
    frozen_->setSelectionBehavior(selectionBehavior());
    frozen_->setAlternatingRowColors(alternatingRowColors());
    const auto refresh = [this] { Guarded([this] { PlaceFrozen(); }); };
    connect(model, &QAbstractItemModel::modelReset, this, refresh);
    connect(model, &QAbstractItemModel::columnsInserted, this, refresh);
    connect(model, &QAbstractItemModel::rowsInserted, this, refresh);
    PlaceFrozen();
}

void TNumberTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // The first column is always in view: only the row is scrolled to.
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) {
        horizontalScrollBar()->setValue(across);
        return;
    }
    // A cell under the frozen column is scrolled out from under it.
    const int covered = columnWidth(0) - visualRect(index).left();
    if (horizontalScrollBar()->value() > 0 && covered > 0) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
    }
}

void TNumberTableView::SetColumnCharacters(std::vector<int> characters) {
    characters_ = std::move(characters);
}

void TNumberTableView::FitToFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics plain(font);
    const QFontMetrics strong(bold);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    const int columns = model() != nullptr ? model()->columnCount() : 0;
    for (int column = 0; column < std::min<int>(columns, static_cast<int>(characters_.size()));
         ++column) {
        const QString widest(characters_[static_cast<std::size_t>(column)], u'0');
        const int text =
            std::max(plain.horizontalAdvance(widest), strong.horizontalAdvance(widest));
        header->resizeSection(column,
                              std::max(text + kCellPadding, header->sectionSizeHint(column)));
    }
    const int rowHeight = std::max(plain.height(), strong.height()) + kRowPadding;
    for (QHeaderView* rows : {verticalHeader(), frozen_->verticalHeader()}) {
        rows->setMinimumSectionSize(rowHeight);
        rows->setDefaultSectionSize(rowHeight);
        rows->setSectionResizeMode(QHeaderView::Fixed);
    }
    PlaceFrozen();
}

int TNumberTableView::WidthFor(int columns) const {
    const int count = model() != nullptr ? model()->columnCount() : 0;
    const int last = columns < 0 ? count : std::min(columns, count);
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (verticalHeader()->isVisible()) {
        width += verticalHeader()->width();
    }
    for (int column = 0; column < last; ++column) {
        width += isColumnHidden(column) ? 0 : columnWidth(column);
    }
    return width;
}

int TNumberTableView::HeightFor(int rows) const {
    return 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
           rows * verticalHeader()->defaultSectionSize() +
           horizontalScrollBar()->sizeHint().height();
}

void TNumberTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    Guarded([this] { PlaceFrozen(); });
}

void TNumberTableView::updateGeometries() {
    QTableView::updateGeometries();
    Guarded([this] { PlaceFrozen(); });
}

// The copy of the first column over it, shown only while the table is scrolled sideways: at the
// left end the table's own column shows.
void TNumberTableView::PlaceFrozen() {
    const QAbstractItemModel* shown = model();
    const bool scrolled = horizontalScrollBar()->value() > 0;
    if (shown == nullptr || shown->columnCount() == 0 || !scrolled) {
        frozen_->hide();
        return;
    }
    for (int column = 0; column < shown->columnCount(); ++column) {
        frozen_->setColumnHidden(column, column != 0);
    }
    frozen_->setColumnWidth(0, columnWidth(0));
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    const int left = frameWidth() + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0);
    frozen_->setGeometry(left, frameWidth(), columnWidth(0) + 1,
                         viewport()->height() + horizontalHeader()->height());
    frozen_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    frozen_->show();
}
