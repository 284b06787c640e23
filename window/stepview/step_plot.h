#pragma once

#include <QWidget>

class QPainter;
class QPalette;
class TStepRows;

// A painted view of the step rows of one run (see step_rows.h), the common part of the step
// view's plots. The plot does not own the rows; it paints whatever they hold at the time, so a
// run shows live as long as every change of the rows is followed by RowsChanged(). Painting
// happens only in paint events, which the toolkit merges: RowsChanged() after every appended
// row costs one paint per pass of the event loop, not one per row.
class TStepPlot : public QWidget {
    Q_OBJECT

public:
    // The rows to show; nullptr shows the empty plot. The rows must outlive the plot or be
    // replaced before they go.
    void SetRows(const TStepRows* rows);
    // The rows changed: schedules a repaint.
    void RowsChanged();
    // The index of the row to show; -1 (the start) follows the newest row. An index the rows
    // do not reach (yet) shows the newest row.
    void ShowRow(int index);
    // The index ShowRow was last given; -1 while the plot follows the newest row.
    int RequestedRow() const { return shownIndex_; }
    // The projector zoom: line widths, markers and text drawn `factor` times their design size
    // (1 to 3). A plot whose least room is set by its texts scales it too (ZoomedSize). The plot's
    // text keeps the size its font had when the plot was made, times the factor, whatever size its
    // window's font takes later (a zoomed window scales its font).
    void SetZoom(qreal factor);

protected:
    explicit TStepPlot(QWidget* parent);

    const TStepRows* Rows() const { return rows_; }
    // The row ShowRow asks for, within the rows there are; -1 while there are none.
    int ShownRow() const;
    qreal Zoom() const { return zoom_; }
    // A design size at the zoom.
    QSize ZoomedSize(QSize size) const;
    // The font of the plot's texts: the plot's font at the zoom.
    QFont PaintFont() const;

    // Paints with PaintFont set on the painter.
    void paintEvent(QPaintEvent* event) final;
    // Paints the whole widget (it is opaque) from the rows, which may be nullptr.
    virtual void Paint(QPainter& painter) const = 0;

private:
    const TStepRows* rows_ = nullptr;
    int shownIndex_ = -1;
    qreal zoom_ = 1.0;
};
