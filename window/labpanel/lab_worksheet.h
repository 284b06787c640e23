#pragma once

#include "lab.h"

#include <QByteArray>

class QPagedPaintDevice;

// The worksheet of a laboratory run, two pages for a student who works the first steps by hand
// (typically a small fixed-point word: W 8, F 6, 4 steps):
//   page 1 "Pracovný list: CORDIC": the task in one sentence, a line for the name and the date,
//          the step's formulas, the table of the first min(n, 8) steps with the start state and
//          the constants given and the later cells blank (lab_sheet.h), and an empty plot -- the
//          system's curve through the start, the axes and a grid -- sized to hold the whole run,
//          to draw the vectors on;
//   page 2 "Riešenie": the task, the same table filled in, the results with their errors and u,
//          and the run's vector plot with every state.
// Both tables stand in the same place at the same size. Texts are Liberation Sans, the table's
// numbers Liberation Mono (Debian's fonts-liberation2, the windows' font too), in points whatever
// the device's resolution; the table's font shrinks where its widest texts (21-digit extended
// values) need more than the page's width.
struct TLabWorksheet {
    TLabRun run;          // not refused
    TLabSetup setup;      // the run's
    bool degrees = false; // a circular rotation's angle was given in degrees
};

// Paints both pages on `device` (a PDF writer or a printer, set to its page size and margins);
// false when the device cannot be painted on.
bool PaintLabWorksheet(QPagedPaintDevice& device, const TLabWorksheet& sheet);

// The worksheet as PDF file data: two A4 pages with margins of 15 mm, its fonts embedded.
QByteArray LabWorksheetPdf(const TLabWorksheet& sheet);
