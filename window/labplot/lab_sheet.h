#pragma once

#include "lab.h"

#include <cstdint>
#include <string>
#include <vector>

// The worksheet "Pracovný list: CORDIC", free of the toolkit: its table with the cells a student
// fills in left blank, the answer page's same table filled, and the texts around them. Texts are
// UTF-8, numbers with '.' in every locale.
//
// The table holds the run's first m = min(n, kSheetSteps) steps: a row per state i = 0 .. m,
// columns
//   i            the state's index
//   posun        the shift s_i of step i
//   α_i          the step's constant as the format holds it: atan 2^-i, 2^-i or atanh 2^-s_i,
//                fixed point at F + G fraction bits ("0.546875" in 8/6, the register 35)
//   α_i (bity)   fixed point only: that register's W + G bits with the dot after W - F
//   smer         the direction step i takes
//   x, y, z      the registers
// Row m, the state after the sheet's last step, takes no step on the sheet: its posun, α_i and
// smer stay empty. The start state (row 0) and every row's posun and α_i are filled in; the
// smer, x, y and z of the later rows are blank on page 1, boxes for the student, and filled on
// page 2 ("Riešenie"). Every text of the table's own columns is the laboratory table's cell
// text (LabCellText), so the answer page reads as the window does.

inline constexpr int kSheetSteps = 8;

enum class TSheetColumn { Index, Shift, Alpha, AlphaBits, Sigma, X, Y, Z };

struct TSheetCell {
    std::string text;   // the answer (page 2); also on page 1 unless blank
    bool blank = false; // page 1 leaves it empty for the student
};

struct TSheetTable {
    std::vector<TSheetColumn> columns;
    std::vector<std::string> headers;
    std::vector<std::vector<TSheetCell>> rows; // rows[i][column index]
};

// The worksheet's table of `run` (not refused) of `setup`; no rows for a refused run.
TSheetTable LabSheetTable(const TLabRun& run, const TLabSetup& setup);

// The task in one sentence: system, mode, what it computes, the input, the arithmetic and the
// number of steps, e.g. "Vypočítajte v hyperbolickej sústave rotáciou cosh t, sinh t a exp t pre
// t = 0.5 v pevnej čiarke (šírka slova W = 8, desatinné bity F = 6, zaokrúhlenie posunu:
// odseknúť) v 4 krokoch." (strážne bity G where there are any). `degrees`: a circular rotation's
// angle was given in degrees ("θ = 30°"; its decimals to 15 significant digits), else in radians.
std::string LabSheetTask(const TLabSetup& setup, bool degrees);

// The step's formulas and the choice of direction for `setup`'s system and mode, one line:
// "Krok i s posunom s: x' = x + σ·y·2^-s, y' = y + σ·x·2^-s, z' = z − σ·α_i; σ = +1, ak z ≥ 0,
// inak −1." (hyperbolic rotation).
std::string LabSheetRule(const TLabSetup& setup);

// "Výsledky po 16 krokoch" (1 kroku): the heading of the answer page's results.
std::string LabSheetResultsHeading(const TLabSetup& setup);

// The answer page's result lines, one per result: name, value, exact value and error,
// "cosh t = 1.109375, presne 1.1276259652063807852, |chyba| = 1.82e-2 = 1.17 u".
std::vector<std::string> LabSheetResults(const TLabRun& run, const TLabSetup& setup);
