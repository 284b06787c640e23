#pragma once

#include <QTableView>
#include <vector>

// The view of a table of numbers (number_table_model.h): columns as wide as their widest text,
// rows as high as the cells' font, and the first column frozen.
//
// Sizes. Each column is as wide as its widest text -- given in characters of the fixed-pitch
// cells' font, bold or not, whichever is wider -- with room for the style's margins, and at least
// as wide as its header; every row is the font's height with room above and below. Nothing is
// measured as rows arrive: FitToFont sizes the table once for a font, again at every zoom.
//
// The first column, the step index "i", stays in view when the table scrolls sideways: a copy of
// that column over the table's left edge, with its header, shown while the table is scrolled
// away from its left end. It shares the table's model and selection; it takes no focus, and a
// click on it selects as a click on the table does.
class TNumberTableView : public QTableView {
    Q_OBJECT

public:
    explicit TNumberTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // The widest text of each column, in characters; columns beyond them keep their width.
    void SetColumnCharacters(std::vector<int> characters);
    // Sizes the columns and rows for the cells' `font`.
    void FitToFont(const QFont& font);

    // The width that shows the first `columns` columns whole, with the frame and the vertical
    // scroll bar; every column for -1.
    int WidthFor(int columns = -1) const;
    // The height that shows the header and `rows` rows whole, with the frame and the horizontal
    // scroll bar.
    int HeightFor(int rows) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void SetUpFrozen();
    void PlaceFrozen();

    QTableView* frozen_ = nullptr;
    std::vector<int> characters_;
};
