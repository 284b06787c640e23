#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

// A group box holding one exclusive radio button per item, arranged in one column below the
// caption line: each button takes an equal share of the height left under a top margin of one
// text line, spanning the box's width less 10 pixels, 8 pixels from its left edge. The items and
// the selected index are properties so that a Designer layout can set them.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ Items WRITE SetItems)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE SetItemIndex)

public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const;
    // Replaces the buttons by one per item; no item is selected afterwards.
    void SetItems(const QStringList& items);

    // The index of the selected item, -1 when none is selected.
    int ItemIndex() const;
    // Selects the item `index`; an index outside the items clears the selection.
    void SetItemIndex(int index);

    // The button of item `index`, nullptr outside the items.
    QRadioButton* Button(int index) const;

protected:
    // Without a caption the frame starts half a text line below the top, as with one.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ArrangeButtons();

    QButtonGroup buttons_;
};
