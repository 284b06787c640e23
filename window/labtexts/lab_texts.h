#pragma once

#include "lab.h"

#include <string>

// The laboratory's result lines and refusals, free of the toolkit. Texts are UTF-8.
//
// Errors are counted in u, the unit of the run (TLabRun::unit): 2^-F for fixed point, else the
// spacing of the format's numbers just above 1 (2^-63, 2^-52, 2^-23). The window writes a count
// with three significant digits, trailing zeros dropped; from 10^-3 to below 10^4 in plain
// decimals ("2.22", "357", "0.00135"), beyond in scientific notation with a bare exponent
// ("1.35e-4", "1.1e15"). An exact zero reads "0".

// `value` rounded to `digits` significant digits (1 .. 21), trailing zeros kept: plain decimals
// from 10^-3 to below 10^(digits + 1) ("357.000", "0.00135000"), beyond in scientific notation
// with a bare exponent ("1.75411e14", "2.50000e-6"). An exact zero reads "0"; infinities and NaN
// as FloatToStr writes them.
std::string SignificantText(long double value, int digits);

// `value` with three significant digits, as the window writes a count of u.
std::string ThreeDigits(long double value);

// "|chyba| = 1.35e-4 = 2.22 u": the distance of `value` from `exact`, and the same in u.
std::string LabErrorLine(long double value, long double exact, long double unit);

// "u = 2^-14": the unit of `setup`'s format as a power of two.
std::string LabUnitText(const TLabSetup& setup);

// The names of the results of `setup`'s system and mode:
//   circular     rotation "cos θ", "sin θ";        vectoring "uhol", "dĺžka"
//   linear       rotation "b + a·c", "a";          vectoring "y / x", "x"
//   hyperbolic   rotation "cosh t", "sinh t", and the third "exp t";
//                vectoring "atanh(y / x)", "dĺžka"
// The third is empty where there is none.
std::string LabFirstName(const TLabSetup& setup);
std::string LabSecondName(const TLabSetup& setup);
std::string LabThirdName(const TLabSetup& setup);

// The names of the inputs, as the window labels its fields: the rotation's argument "Uhol"
// (circular), "t" (hyperbolic) or "c" (linear); the point "x" and "y", for linear rotation the
// multiplier and addend "a" and "b".
std::string LabThetaName(const TLabSetup& setup);
std::string LabXName(const TLabSetup& setup);
std::string LabYName(const TLabSetup& setup);

// The one line the window's status line shows for a refused run of `setup`. `degrees`: the angle
// was typed in degrees (the bound is then stated in degrees, else in radians).
//   BadSetup     "Nastavenie mimo rozsahu: 1 až 64 krokov, slovo 8 až 64 bitov, desatinné bity
//                 0 až W − 1, strážne bity 0 až 16, W + G najviac 64"
//   OutOfDomain  circular rotation "Uhol musí byť od −180° do 180°" ("… od −π do π" in
//                radians); linear and hyperbolic rotation "c musí byť od −4 do 4" and "t musí
//                byť od −4 do 4"; hyperbolic vectoring "Bod musí ležať medzi asymptotami:
//                x > |y|"
//   DoesNotFit   a floating format: "Hodnota sa do formátu nezmestí"; fixed point: where a
//                circular input beyond the right half plane needs pi and the word has no room
//                for it (W - F < 3), "Na prehnutie treba π, ktoré sa do slova nezmestí"; where
//                the linear or hyperbolic system's constants (alpha_0 = 1, K' > 1.15) need two
//                integer bits the word lacks (W - F < 2), "Konštanty sústavy sa do slova
//                nezmestia: treba aspoň 2 celé bity"; else "Hodnota sa do slova nezmestí"
//   Origin       circular vectoring "Bod (0, 0) nemá uhol"; linear vectoring "Nulou sa deliť
//                nedá: x je 0"
// Empty for None.
std::string LabRefusalText(TLabRefusal refusal, const TLabSetup& setup, bool degrees);
