#pragma once

#include "lab.h"

#include <string>
#include <utility>
#include <vector>

// The lines the laboratory writes around its results, free of the toolkit. Texts are UTF-8.
//
// The held input. A run measures its results against the exact values of its input as the format
// holds it, which is not always the input typed: 30 degrees in fixed point 16/14 is the register
// 8579, 0.52362060546875. Each input the run reads gets the line "θ v registri =
// 0.52362060546875" (the value fmt gives, written as a result of the format is, the register's
// exact decimal) beside "zadané 0.5235987755982988731" (the typed value as read in extended,
// degrees turned into radians), and the exact values are captioned "presne pre θ v registri". The
// inputs, by system and mode: circular rotation θ, hyperbolic rotation t, linear rotation a, b and
// c (of y = b + a·c), vectoring x and y.
//
// Notes on a run, each one line, empty where it does not apply:
//   the reach   "Mimo dosahu krokov: |t| ≤ 1.1182" where the input lies beyond what the n steps
//               reach (TLabRun::converges false), R_n (LabReach) to four decimals; the bounded
//               quantity is the rotation's argument (θ, c, t) or the vectoring's first result
//               ("uhol", "y / x", "atanh(y / x)"), less the fold's π where the circular run folded
//               ("|θ − π| ≤ 0.7854": the fold starts z at θ − π)
//   a wrap      "Pretečenie v stave 3: hodnota sa do slova nezmestila" (fixed point), "Pretečenie
//               v stave 3: hodnota prekročila rozsah formátu" (a floating register became
//               infinite): the first state marked overflow, whose row the table marks too
//   derived     hyperbolic vectoring of a point filled from a (LabDerivedPoint): "ln a = 2·z =
//               0.69314718055994530986" or "√a = dĺžka = 1.4142135623730950483", 2·z and the
//               length written as results of the format

enum class TLabInput { Theta, X, Y };

// The inputs a run of `setup` reads, in the order the window lists them.
std::vector<TLabInput> LabInputsRead(const TLabSetup& setup);
// The input's symbol: "θ", "t", "c"; "x", "y"; "a", "b".
std::string LabInputSymbol(TLabInput input, const TLabSetup& setup);
// "θ v registri = 0.52362060546875" for an input `setup` accepts.
std::string LabHeldLine(TLabInput input, const TLabSetup& setup);
// "zadané 0.5235987755982988731".
std::string LabTypedLine(TLabInput input, const TLabSetup& setup);
// "presne pre θ v registri", "presne pre a, b, c v registri".
std::string LabExactCaption(const TLabSetup& setup);

std::string LabReachLine(const TLabRun& run, const TLabSetup& setup);
std::string LabOverflowLine(const TLabRun& run, const TLabSetup& setup);

// The functions hyperbolic vectoring gives by way of a: ln a = 2 atanh((a - 1)/(a + 1)) from the
// point (a + 1, a - 1), sqrt a = sqrt((a + 1/4)^2 - (a - 1/4)^2) from (a + 1/4, a - 1/4).
enum class TLabDerived { None, Logarithm, SquareRoot };
// The point (x, y) for `derived` of `a`, each computed in extended.
std::pair<long double, long double> LabDerivedPoint(TLabDerived derived, long double a);
// "ln a = 2·z = …", "√a = dĺžka = …" of `run`; empty for None.
std::string LabDerivedLine(TLabDerived derived, const TLabRun& run, const TLabSetup& setup);
// "a musí byť kladné": ln a and sqrt a need a > 0, where the point lies inside the branch.
std::string LabDerivedRefusalText();

// The text of a mode button, naming what the system computes in that mode: circular "Rotácia:
// kosínus a sínus", "Vektorovanie: uhol a dĺžka"; linear "Rotácia: násobenie", "Vektorovanie:
// delenie"; hyperbolic "Rotácia: cosh, sinh a exp", "Vektorovanie: atanh, ln a odmocnina".
std::string LabModeText(TLabSystem system, TLabMode mode);
