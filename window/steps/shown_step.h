#pragma once

// Which row of a growing table a view shows, free of the toolkit: the newest as rows arrive,
// unless the user has picked one -- with a slider, a key or a click on a row.
//
// Rows are counted 0 .. count - 1. Moving onto the newest row (with the slider or the keys), or
// to an index beyond it, follows the newest again; so do Newest (End) and a fresh start. A row
// picked by itself (a click on it) is kept, the newest too. A picked row stays shown while rows
// arrive. With no rows nothing is shown.
class TShownStep {
public:
    // The rows were started afresh: none yet, following the newest.
    void Reset();
    // The rows now number `count` (after appending).
    void SetRowCount(int count);

    // Moves to row `index`, picked; -1, the newest row and beyond it follow the newest.
    void Show(int index);
    // Picks row `index` itself, the newest too; -1 and beyond the rows follow the newest.
    void Pick(int index);
    // The keys: the row before (none before row 0), row 0, the newest.
    void Previous();
    void First();
    void Newest();
    // The row after. At the newest row there is none: returns false and follows the newest (a
    // paused run then takes its next step instead).
    bool Next();

    // The row shown; -1 without rows.
    int Shown() const;
    // The row picked; -1 while following the newest.
    int Picked() const { return picked_; }

private:
    int count_ = 0;
    int picked_ = -1;
};
