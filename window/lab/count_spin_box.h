#pragma once

#include <QSpinBox>

// A spin box for a whole-number setting that hands on what was typed, as typed.
//
// QSpinBox refuses a keystroke that would leave its range: "65" typed into a box of 1 .. 64
// stays "6", and the setting is cut to a prefix without a word. This box holds any 32-bit
// integer, so the window reads the text typed and refuses a number beyond the setting's range in
// its status line (lab_input.h), as it refuses an angle. The setting's range, given with
// SetRange, is what the arrows, Page Up and Down and the wheel stay within (from a value beyond
// it they step back into it) and what the box's width is measured for; the single step is 1.
// EditorTextChanged tells every change of the text once, whether typed (also to a text that is
// no number yet, "" or "-", which QSpinBox's own signals leave out) or set; a QSignalBlocker on
// the box holds it back too.
class TCountSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit TCountSpinBox(QWidget* parent = nullptr);

    void SetRange(int least, int most);
    int Least() const { return least_; }
    int Most() const { return most_; }

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void EditorTextChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    QSize HintFor(int editorHeight) const;

    int least_ = 0;
    int most_ = 99;
    // The text last told. QSpinBox sets its editor's text with the editor's signals blocked, and
    // tells a typed text only where it is a number: both are listened to, each change told once.
    QString told_;
};
