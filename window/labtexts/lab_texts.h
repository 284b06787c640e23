#pragma once

#include "lab.h"

#include <string>

// The laboratory's result lines and refusals, free of the toolkit. Texts are UTF-8.
//
// Errors are counted in u, the unit of the run (TLabRun::unit): 2^-F for fixed point, else the
// spacing of the format's numbers just above 1 (2^-63, 2^-52, 2^-23). A count is written with
// three significant digits, trailing zeros dropped; from 10^-3 to below 10^4 in plain decimals
// ("2.22", "357", "0.00135"), beyond in scientific notation with a bare exponent ("1.35e-4",
// "1.1e15"). An exact zero reads "0".

// `value` with three significant digits, as above.
std::string ThreeDigits(long double value);

// "|chyba| = 1.35e-4 = 2.22 u": the distance of `value` from `exact`, and the same in u.
std::string LabErrorLine(long double value, long double exact, long double unit);

// "u = 2^-14": the unit of `setup`'s format as a power of two.
std::string LabUnitText(const TLabSetup& setup);

// The names of the two results: "cos θ" and "sin θ", or "uhol" and "dĺžka".
std::string LabFirstName(TLabMode mode);
std::string LabSecondName(TLabMode mode);

// The one line the window's status line shows for a refused run of `setup`. `degrees`: the angle
// was typed in degrees (the bound is then stated in degrees, else in radians).
//   BadSetup     "Nastavenie mimo rozsahu: 1 až 64 krokov, slovo 8 až 64 bitov, desatinné bity
//                 0 až W − 1"
//   OutOfDomain  "Uhol musí byť od −180° do 180°" ("… od −π do π" in radians)
//   DoesNotFit   fixed point: "Hodnota sa do slova nezmestí", or where an input beyond the right
//                half plane needs pi and the word has no room for it (W - F < 3), "Na prehnutie
//                treba π, ktoré sa do slova nezmestí"; a floating format: "Hodnota sa do formátu
//                nezmestí"
//   Origin       "Bod (0, 0) nemá uhol"
// Empty for None.
std::string LabRefusalText(TLabRefusal refusal, const TLabSetup& setup, bool degrees);
