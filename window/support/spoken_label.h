#pragma once

#include <QLabel>
#include <QString>

// Shows `text` in a label whose accessible name says what it is ("Skóre", "Stav"): the toolkit
// then reports the name alone, so the text goes to the accessible description too, where a
// screen reader reads it after the name.
inline void SetSpokenText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}
