#pragma once

#include "lab.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a command line of cordic-lab asks for, read with Qt Core's QCommandLineParser: GNU-style
// long options, `--name value` or `--name=value` (the last of a repeated option counts), `--`
// ending the options. Values are read as the laboratory's window reads its fields
// (lab_input.h): a decimal point or comma, degrees converted as the main window converts them.
//
// Defaults are the laboratory's: circular rotation of 30 degrees in 54 steps of extended
// arithmetic; fixed point 16/14, rounding floor, no guard bits; the point (1, 0). Every value
// given is checked; the defaults of W, F and G only for fixed point, which alone reads them.
//
// Every refusal is one Slovak line, the window's where the window has one ("Počet krokov je od 1
// do 64", "Uhol nie je číslo"): an unknown option, an option without its value or a switch
// with one, an argument that is no option, a value outside its list or range, a text that is no
// number, and options that do not go together (--hex without fixed point or with --sweep,
// --sweep with --results or --inputs, --degrees outside the circular system).

enum class TLabFormat { Tsv, Csv, Json };

struct TLabCommand {
    TLabSetup setup;
    bool degrees = false; // --theta and the inputs file's angles count degrees
    TLabFormat format = TLabFormat::Tsv;
    bool results = false;              // only the results
    bool hex = false;                  // fixed-point registers and results in hexadecimal
    bool sweep = false;                // the largest error for n = 1 .. 64
    std::optional<std::string> inputs; // a file of inputs, "-" for standard input
    bool help = false;
    bool version = false;
};

struct TLabCommandReading {
    std::optional<TLabCommand> command; // nothing when refused
    std::string refusal;                // the one line that says why
};

// `arguments` without the program's name, UTF-8.
TLabCommandReading ReadLabCommand(const std::vector<std::string>& arguments);

// The value words of the options that choose, in the order of their enumerations.
template <class Value> struct TLabWord {
    std::string_view word;
    Value value;
};
inline constexpr std::array<TLabWord<TLabSystem>, 3> kLabSystemWords = {{
    {"circular", TLabSystem::Circular},
    {"linear", TLabSystem::Linear},
    {"hyperbolic", TLabSystem::Hyperbolic},
}};
inline constexpr std::array<TLabWord<TLabMode>, 2> kLabModeWords = {{
    {"rotation", TLabMode::Rotation},
    {"vectoring", TLabMode::Vectoring},
}};
inline constexpr std::array<TLabWord<TLabArithmetic>, 4> kLabArithmeticWords = {{
    {"extended", TLabArithmetic::Extended},
    {"double", TLabArithmetic::Double},
    {"single", TLabArithmetic::Single},
    {"fixed", TLabArithmetic::Fixed},
}};
inline constexpr std::array<TLabWord<TLabRounding>, 3> kLabRoundingWords = {{
    {"floor", TLabRounding::Floor},
    {"half-up", TLabRounding::HalfUp},
    {"half-even", TLabRounding::HalfEven},
}};
inline constexpr std::array<TLabWord<TLabFormat>, 3> kLabFormatWords = {{
    {"tsv", TLabFormat::Tsv},
    {"csv", TLabFormat::Csv},
    {"json", TLabFormat::Json},
}};

// The word of `value` in `words`.
template <class Value, std::size_t N>
std::string_view LabWordOf(const std::array<TLabWord<Value>, N>& words, Value value) {
    for (const TLabWord<Value>& word : words) {
        if (word.value == value) {
            return word.word;
        }
    }
    return {};
}
