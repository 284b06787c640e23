#pragma once

class QLabel;

// Tightens the spacing of a label's font just enough for its one-line text to fit the label's
// width, so that a substitute font wider than the design font does not clip it. Runs of blanks
// give up width first, each at most a third of its own (the font's word spacing acts
// once per run), then the letters move closer together. A text that fits keeps the font.
void FitTextToWidth(QLabel* label);
