// The teacher's guide docs/navod.md quotes what the program shows: the main window's results, the
// step view's rows, its vector plot's caption and its score of guessed directions, the special
// cases of zero and of pi/2. Here each quote is made afresh by the program's own code -- a run on a
// recording window for the main window, the step rows and their cell texts for the step view --
// and the guide must hold it word for word. Every decimal number
// in the guide's text must be one of these quotes, so a figure that nobody computes here cannot
// stand in the guide. A change of the program's figures or a slip in the guide fails.

#include "angle_input.h"
#include "constants.h"
#include "conversions.h"
#include "cordic.h"
#include "direction_quiz.h"
#include "lab.h"
#include "lab_cells.h"
#include "lab_input.h"
#include "lab_notes.h"
#include "lab_program.h"
#include "lab_texts.h"
#include "recording_window.h"
#include "run.h"
#include "step_cells.h"
#include "step_rows.h"
#include "sweep_floor.h"
#include "vector_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const std::string& Guide() {
    static const std::string text = ReadText(CORDIC_GUIDE);
    return text;
}

// The guide's prose and tables: everything but its fenced code blocks (commands to type).
std::string GuideProse() {
    std::istringstream lines(Guide());
    std::string prose;
    bool inCode = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("```")) {
            inCode = !inCode;
        } else if (!inCode) {
            prose += line + "\n";
        }
    }
    return prose;
}

// `value` in scientific notation with `decimals` digits after the first significant one, the
// way the guide rounds a figure for reading aloud ("1.11e-16").
std::string Rounded(long double value, int decimals) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, decimals);
    return std::string(buffer, end.ptr);
}

// A row of a Markdown table as the guide writes it: "| a | b | c |".
std::string TableRow(std::initializer_list<std::string> cells) {
    std::string row = "|";
    for (const std::string& cell : cells) {
        row += " " + cell + " |";
    }
    return row;
}

// Fills the step rows the way the step view's follower does.
class TStepRowsObserver : public IRunObserver {
public:
    TStepRows rows;

    void RunStarted(long double theta) override { rows.Start(theta); }
    void StepNotified(const TCordicStep& step) override { rows.AddStep(step); }
    bool HoldAfterStep() override { return true; }
    void RunCompleted(const TCordicResult& result) override { rows.AddResult(result); }
    void RunEnded() override {}
};

// One press of "Spustiť" with `text` in `unit`: what the main window and the step view show.
struct TRunShown {
    TRecordingWindow window;
    TStepRows rows;

    std::string Cell(std::size_t row, int column) const {
        return StepCellText(rows.Row(row), column);
    }
    const TStepRow& Result() const { return rows.Rows().back(); }
};

TRunShown Run(const char* text, int unit) {
    TRunShown shown;
    shown.window.input = text;
    shown.window.typ = unit;
    shown.window.recordLog = false;
    TStepRowsObserver observer;
    RunComputation(shown.window, &observer);
    shown.rows = observer.rows;
    return shown;
}

// The figure core/cordic.h records as the largest error measured against MPFR.
std::string MeasuredLargestError() {
    const std::string header = ReadText(CORDIC_HEADER);
    std::smatch match;
    const std::regex sentence(R"(the largest error of x or y is ([0-9.e+-]+[0-9]))");
    return std::regex_search(header, match, sentence) ? match[1].str()
                                                      : "(no measured error in cordic.h)";
}

struct TQuote {
    std::string name;
    std::string text;
};

void PrintTo(const TQuote& quote, std::ostream* out) {
    *out << quote.name << ": \"" << quote.text << "\"";
}

// The laboratory's three experiments, computed with its engine and shown in its own texts.
template <class Quote> void QuoteLaboratory(const Quote& quote) {
    TLabSetup fixed;
    fixed.arithmetic = TLabArithmetic::Fixed;
    fixed.steps = 14;
    fixed.theta = ReadLabAngle("30", true).value();
    const TLabRun thirty = LabRun(fixed);
    quote("LabHeldAngle", LabHeldLine(TLabInput::Theta, fixed));
    quote("LabTypedAngle", LabTypedLine(TLabInput::Theta, fixed));
    quote("LabStepsRange", LabCountRangeText(TLabCount::Steps, fixed));
    quote("LabFixedCosine", FloatToStr(thirty.first));
    quote("LabFixedCosineError", LabErrorLine(thirty.first, thirty.exactFirst, thirty.unit));
    quote("LabFixedSine", FloatToStr(thirty.second));
    quote("LabFixedSineUnits",
          ThreeDigits(fabsl(thirty.second - thirty.exactSecond) / thirty.unit) + " u");
    const auto floorOf = [](const TLabSetup& setup) {
        const auto sweep = LabSweep(setup);
        const std::int32_t n = SweepFloorSteps(sweep);
        return std::pair{sweep, n};
    };
    const auto [fixedSweep, fixedFloor] = floorOf(fixed);
    quote("LabFixedSweepFloor", ThreeDigits(fixedSweep[static_cast<std::size_t>(fixedFloor - 1)]) +
                                    " u od n = " + IntToStr(fixedFloor));
    quote("LabFixedSweepAt64", ThreeDigits(fixedSweep[63]) + " u");

    TLabSetup point;
    point.mode = TLabMode::Vectoring;
    point.x0 = -3;
    point.y0 = -4;
    point.steps = 64;
    const TLabRun extended = LabRun(point);
    quote("LabVectoringAngle", FloatToStr(extended.first));
    quote("LabVectoringLength", FloatToStr(extended.second));
    point.arithmetic = TLabArithmetic::Fixed;
    point.fractionBits = 12;
    point.steps = 16;
    std::string wrapped = "(no state wraps)";
    for (const TLabState& state : LabRun(point).states) {
        if (state.overflow) {
            wrapped = "riadok " + IntToStr(state.i);
            break;
        }
    }
    quote("LabVectoringWrapsInTwelveFractionBits", wrapped);
    quote("LabVectoringWrapLine", LabOverflowLine(LabRun(point), point));
    point.fractionBits = 11;
    quote("LabVectoringLengthInElevenFractionBits", FloatToStr(LabRun(point).second));

    TLabSetup beyond;
    beyond.system = TLabSystem::Hyperbolic;
    beyond.steps = 64;
    beyond.theta = StrToFloat("1.2");
    quote("LabBeyondTheReach", LabReachLine(LabRun(beyond), beyond));

    const auto stop = [&](TLabArithmetic arithmetic) {
        TLabSetup setup;
        setup.arithmetic = arithmetic;
        const auto [sweep, n] = floorOf(setup);
        return "n = " + IntToStr(n) + " (" + ThreeDigits(sweep[static_cast<std::size_t>(n - 1)]) +
               " u)";
    };
    quote("LabSingleStops", stop(TLabArithmetic::Single));
    quote("LabDoubleStops", stop(TLabArithmetic::Double));
    quote("LabExtendedStops", stop(TLabArithmetic::Extended));
    TLabSetup main;
    quote("LabExtendedAtFiftyFour", ThreeDigits(LabSweep(main)[53]) + " u");
}

// A field of a line of cordic-lab's tab-separated output for `arguments` and `input`.
std::string CommandLineField(const std::vector<std::string>& arguments, const std::string& input,
                             std::size_t line, std::size_t field) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    RunLabProgram(arguments, in, out, err);
    std::istringstream lines(out.str());
    std::string text;
    for (std::size_t i = 0; i <= line && std::getline(lines, text); ++i) {
    }
    std::istringstream fields(text);
    for (std::size_t i = 0; i <= field && std::getline(fields, text, '\t'); ++i) {
    }
    return text;
}

// cordic-lab: the errors of the first experiment with six digits, a refused line of a file of
// angles, and the sweep of 16/14 at 14 steps.
template <class Quote> void QuoteCommandLine(const Quote& quote) {
    const std::vector<std::string> fixed = {"--arithmetic", "fixed", "--steps", "14"};
    std::vector<std::string> results = fixed;
    results.push_back("--results");
    quote("LabCommandLineCosineError", CommandLineField(results, "", 0, 3) + " u");
    results.insert(results.end(), {"--degrees", "--inputs", "-"});
    quote("LabCommandLineRefusedLine", CommandLineField(results, "30\n45\ntridsať\n", 2, 0));
    quote("LabCommandLineSweepAt14",
          CommandLineField({"--arithmetic", "fixed", "--sweep"}, "", 13, 1) + " u");
}

// The lesson on the hyperbolic system: the shifts taken twice and why -- each step atanh 2^-s is
// more than all later shifts taken once, and the step of shift 1 leaves t = 0 short by their
// difference --, the reach with and without the repeats, cosh, sinh and exp of 0.5 in fixed
// point 16/14 as the two roundings give them, e^1 beyond a word of two integer bits, and ln 2
// and the square root of 2 by vectoring from the field a.
template <class Quote> void QuoteHyperbolicLesson(const Quote& quote) {
    TLabSetup rotation;
    rotation.system = TLabSystem::Hyperbolic;
    rotation.steps = kLabMaxSteps;
    const TLabRun longest = LabRun(rotation);
    std::string repeats;
    for (std::size_t i = 1; i + 1 < longest.states.size(); ++i) {
        if (longest.states[i].shift == longest.states[i - 1].shift) {
            repeats += (repeats.empty() ? "" : ", ") + IntToStr(longest.states[i].shift) +
                       " (riadky " + IntToStr(longest.states[i].i - 1) + " a " +
                       IntToStr(longest.states[i].i) + ")";
        }
    }
    quote("HyperbolicRepeatedShifts", repeats);
    // Each shift's constant once, from the engine's own table: once[s - 1] = atanh 2^-s.
    const TLabTables& tables = LabTables(TLabSystem::Hyperbolic);
    std::vector<long double> once;
    for (std::size_t i = 0; i < tables.alpha.size(); ++i) {
        if (i == 0 || tables.shift[i] != tables.shift[i - 1]) {
            once.push_back(tables.alpha[i]);
        }
    }
    const auto later = [&](std::size_t shift) {
        long double sum = 0;
        for (std::size_t k = shift; k < once.size(); ++k) {
            sum += once[k];
        }
        return sum;
    };
    for (std::size_t shift = 1; shift <= 4; ++shift) {
        quote("HyperbolicShortfallOfShift" + IntToStr(static_cast<std::int64_t>(shift)),
              TableRow({IntToStr(static_cast<std::int64_t>(shift)),
                        SignificantText(once[shift - 1], 6), SignificantText(later(shift), 6)}));
    }
    quote("HyperbolicShortfallOfShiftOne", SignificantText(once[0] - later(1), 3));
    quote("HyperbolicReach", FloatToStr(LabReach(TLabSystem::Hyperbolic, kLabMaxSteps)));
    long double unrepeated = 0;
    for (int shift = 1; shift <= kLabMaxSteps; ++shift) {
        unrepeated += atanhl(ldexpl(1, -shift));
    }
    quote("HyperbolicReachWithoutRepeats", FloatToStr(unrepeated));

    // 0.5 in 16/14 and 16 steps, cut and rounded to even with four guard bits: a row per result.
    rotation.arithmetic = TLabArithmetic::Fixed;
    rotation.steps = 16;
    rotation.theta = StrToFloat("0.5");
    TLabSetup rounded = rotation;
    rounded.rounding = TLabRounding::HalfEven;
    rounded.guardBits = 4;
    const TLabRun cut = LabRun(rotation);
    const TLabRun even = LabRun(rounded);
    quote("HyperbolicHeldArgument", LabHeldLine(TLabInput::Theta, rotation));
    using TResult = long double TLabRun::*;
    const auto shown = [](const TLabRun& run, TResult value, TResult exact,
                          const TLabSetup& setup) {
        return LabResultText(run.*value, setup) + " (" +
               ThreeDigits(fabsl(run.*value - run.*exact) / run.unit) + " u)";
    };
    const std::tuple<const char*, std::string, TResult, TResult> results[] = {
        {"Cosh", LabFirstName(rotation), &TLabRun::first, &TLabRun::exactFirst},
        {"Sinh", LabSecondName(rotation), &TLabRun::second, &TLabRun::exactSecond},
        {"Exp", LabThirdName(rotation), &TLabRun::third, &TLabRun::exactThird}};
    for (const auto& [key, name, value, exact] : results) {
        quote(std::string("Hyperbolic") + key,
              TableRow({name, FloatToStr(cut.*exact), shown(cut, value, exact, rotation),
                        shown(even, value, exact, rounded)}));
    }
    rotation.theta = 1;
    const TLabRun one = LabRun(rotation);
    quote("HyperbolicExpOfOneWraps", LabResultText(one.third, rotation));
    quote("HyperbolicExpOfOneWrapLine", LabOverflowLine(one, rotation));
    rotation.fractionBits = 13;
    quote("HyperbolicExpOfOneInThirteenFractionBits",
          LabResultText(LabRun(rotation).third, rotation));

    // a = 2 in extended and 64 steps: "ln a" and "√a" fill x and y; ln a from z, √a the length.
    // a = 10 lies beyond the reach: atanh(9 / 11) > R_64.
    const auto vectoring = [&](TLabDerived derived, long double a, const std::string& name) {
        TLabSetup setup;
        setup.system = TLabSystem::Hyperbolic;
        setup.mode = TLabMode::Vectoring;
        setup.steps = kLabMaxSteps;
        std::tie(setup.x0, setup.y0) = LabDerivedPoint(derived, a);
        const TLabRun run = LabRun(setup);
        const bool logarithm = derived == TLabDerived::Logarithm;
        quote(name + "Point", "x = " + FloatToStr(setup.x0) + ", y = " + FloatToStr(setup.y0));
        quote(name + "Result", LabResultText(logarithm ? run.first : run.second, setup));
        quote(name + "Error", logarithm ? LabErrorLine(run.first, run.exactFirst, run.unit)
                                        : LabErrorLine(run.second, run.exactSecond, run.unit));
        quote(name + "Line",
              run.converges ? LabDerivedLine(derived, run, setup) : LabReachLine(run, setup));
    };
    vectoring(TLabDerived::Logarithm, 2, "LogarithmOfTwo");
    vectoring(TLabDerived::SquareRoot, 2, "RootOfTwo");
    vectoring(TLabDerived::Logarithm, 10, "LogarithmOfTen");
}

// The lesson on rounding and guard bits: the circular sweep of 16/14 by every rounding with 0
// and 4 guard bits at n = 14, 16, 24 and 64, and where the error stops falling with truncation
// (the grey curve) and with rounding to even and four guard bits.
template <class Quote> void QuoteRoundingLesson(const Quote& quote) {
    const auto sweepOf = [](TLabRounding rounding, std::int32_t guard) {
        TLabSetup setup;
        setup.arithmetic = TLabArithmetic::Fixed;
        setup.rounding = rounding;
        setup.guardBits = guard;
        return LabSweep(setup);
    };
    struct TRounding {
        TLabRounding rounding;
        const char* name;  // the window's
        const char* quote; // the quote's
    };
    constexpr TRounding kRoundings[] = {{TLabRounding::Floor, "odseknúť", "Floor"},
                                        {TLabRounding::HalfUp, "polovica nahor", "HalfUp"},
                                        {TLabRounding::HalfEven, "k párnemu", "HalfEven"}};
    for (const std::int32_t guard : {0, 4}) {
        for (const auto& [rounding, name, quoteName] : kRoundings) {
            const TLabSweep sweep = sweepOf(rounding, guard);
            quote(
                std::string("RoundingSweep") + quoteName + "Guard" + IntToStr(guard),
                TableRow({std::string(name) + ", G = " + IntToStr(guard), ThreeDigits(sweep[13]),
                          ThreeDigits(sweep[15]), ThreeDigits(sweep[23]), ThreeDigits(sweep[63])}));
        }
    }
    const auto stops = [](const TLabSweep& sweep) {
        const std::int32_t n = SweepFloorSteps(sweep);
        return "neklesá od n = " + IntToStr(n) + " (" +
               ThreeDigits(sweep[static_cast<std::size_t>(n - 1)]) + " u)";
    };
    const TLabSweep truncated = sweepOf(TLabRounding::Floor, 0);
    quote("RoundingTruncationStops", stops(truncated));
    quote("RoundingGuardedTruncationStops", stops(sweepOf(TLabRounding::Floor, 4)));
    quote("RoundingHalfEvenGuardedStops", stops(sweepOf(TLabRounding::HalfEven, 4)));
    // The chart's tips over truncation's rise, a unit a step.
    for (const std::int32_t n : {18, 19}) {
        quote("RoundingTruncationTip" + IntToStr(n),
              "n = " + IntToStr(n) + ": " +
                  ThreeDigits(truncated[static_cast<std::size_t>(n - 1)]) + " u");
    }
}

std::vector<TQuote> GuideQuotes() {
    std::vector<TQuote> quotes;
    const auto quote = [&](std::string name, std::string text) {
        quotes.push_back({std::move(name), std::move(text)});
    };

    // A run of 30 degrees: the first five rows of the step view (i, smer, z, x, y).
    const TRunShown thirty = Run("30", kUnitDegrees);
    for (std::size_t i = 0; i < 5; ++i) {
        quote("ThirtyDegreesStepRow" + IntToStr(static_cast<std::int64_t>(i)),
              TableRow({thirty.Cell(i, kColumnIndex), thirty.Cell(i, kColumnSigma),
                        thirty.Cell(i, kColumnZ), thirty.Cell(i, kColumnX),
                        thirty.Cell(i, kColumnY)}));
    }
    quote("Gain", FloatToStr(CordicGain(kCordicSteps - 1)));
    // The sine closing in from below (0.4999...) and from above (0.5000...): i, y, |y - sin|.
    for (std::size_t i = 47; i <= 48; ++i) {
        quote("ThirtyDegreesSineRow" + IntToStr(static_cast<std::int64_t>(i)),
              TableRow({thirty.Cell(i, kColumnIndex), thirty.Cell(i, kColumnY),
                        thirty.Cell(i, kColumnErrorY)}));
    }
    quote("ThirtyDegreesSineRow47Settled",
          thirty.Cell(47, kColumnY).substr(0, SettledPrefix(thirty.rows, 47, kColumnY)));
    // Its results in the main window and its result row in the step view.
    quote("ThirtyDegreesCordicSine", thirty.window.sin);
    quote("ThirtyDegreesCordicCosine", thirty.window.cos);
    quote("ThirtyDegreesLibrarySine", thirty.window.ksin);
    quote("ThirtyDegreesLibraryCosine", thirty.window.kcos);
    const std::size_t resultRow = thirty.rows.Count() - 1;
    quote("ThirtyDegreesResidualAfterLastStep", thirty.Cell(resultRow, kColumnZ));
    quote("ThirtyDegreesResultErrorOfX", thirty.Cell(resultRow, kColumnErrorX));
    quote("ThirtyDegreesResultErrorOfY", thirty.Cell(resultRow, kColumnErrorY));
    // A saved picture's caption at step 3.
    quote("ThirtyDegreesPictureCaption", PictureCaption(thirty.rows.Theta(), thirty.rows.Row(3)));

    // How the errors fall: every tenth row's step angle, rounded, beside its two errors.
    for (std::size_t i = 10; i <= 50; i += 10) {
        quote("ConvergenceRow" + IntToStr(static_cast<std::int64_t>(i)),
              TableRow({thirty.Cell(i, kColumnIndex), Rounded(thirty.rows.Row(i).atan, 2),
                        thirty.Cell(i, kColumnErrorX), thirty.Cell(i, kColumnErrorY)}));
    }
    // Where they stop: the last step's angle, whole and rounded, and the measured worst case.
    const std::size_t lastStep = resultRow - 1;
    quote("LastStepAngle", thirty.Cell(lastStep, kColumnAtan));
    quote("LastStepAngleRounded", Rounded(thirty.rows.Row(lastStep).atan, 2));
    quote("MeasuredLargestError", MeasuredLargestError());

    // Going back to step 3: the vector plot's caption of its turn.
    quote("ThirtyDegreesStep3Turn", TurnCaption(thirty.rows.Row(3), false));
    // "Hádaj smer" over the same steps: the guesses + − + + + for steps 0 .. 4, and the score.
    TDirectionQuiz quiz;
    quiz.SetOn(true);
    quiz.Start();
    const int guesses[] = {+1, -1, +1, +1, +1};
    for (std::size_t i = 0; i < std::size(guesses); ++i) {
        const TStepRow& row = thirty.rows.Row(i);
        quiz.StepNotified({row.i, row.x, row.y, row.z});
        quiz.Answer(guesses[i], quiz.OpenStep());
    }
    quote("ThirtyDegreesGuessingScore", quiz.ScoreText());

    // Zero: the sine is not 0 and the cosine lies above 1, by whole units of 2^-63, the spacing
    // of extended values just above 1.
    const TRunShown zero = Run("0", kUnitDegrees);
    quote("ZeroCordicSine", zero.window.sin);
    quote("ZeroCordicSineRounded", Rounded(zero.Result().y, 1));
    quote("ZeroResidualAfterLastStep", zero.Cell(zero.rows.Count() - 1, kColumnZ));
    quote("ZeroCordicCosine", zero.window.cos);
    const long double unitsAboveOne = (zero.Result().x - 1.0L) / ldexpl(1.0L, -63);
    quote("ZeroCordicCosineAboveOne",
          unitsAboveOne == truncl(unitsAboveOne)
              ? "1 + " + IntToStr(static_cast<std::int64_t>(unitsAboveOne)) + " · 2^-63"
              : "(not whole units of 2^-63: " + FloatToStr(unitsAboveOne) + ")");

    // The bound h: 90 degrees is exactly h and runs; the double's text of pi/2 in radians is
    // refused, lying above h once read in extended precision.
    const TRunShown ninety = Run("90", kUnitDegrees);
    quote("NinetyDegreesIsTheBound", ninety.rows.Theta() == kHalfPiDouble
                                         ? FloatToStr(kHalfPiDouble)
                                         : "(90 degrees is not h)");
    quote("NinetyDegreesLibraryCosine", ninety.window.kcos);
    constexpr const char* kDoubleHalfPi = "1.5707963267948966";
    double asDouble = 0.0;
    std::from_chars(kDoubleHalfPi, kDoubleHalfPi + std::char_traits<char>::length(kDoubleHalfPi),
                    asDouble);
    quote("DoubleHalfPiText", asDouble == static_cast<double>(ninety.rows.Theta())
                                  ? kDoubleHalfPi
                                  : "(not the double's pi/2)");
    const TRunShown refused = Run(kDoubleHalfPi, kUnitRadians);
    quote("DoubleHalfPiTextInRadiansIsRefused", refused.window.status);
    quote("DoubleHalfPiTextAboveTheBound",
          Rounded(StrToFloat(kDoubleHalfPi) - ninety.rows.Theta(), 1));

    QuoteLaboratory(quote);
    QuoteCommandLine(quote);
    QuoteHyperbolicLesson(quote);
    QuoteRoundingLesson(quote);
    return quotes;
}

const std::vector<TQuote>& Quotes() {
    static const std::vector<TQuote> quotes = GuideQuotes();
    return quotes;
}

class GuideQuoteTest : public testing::TestWithParam<TQuote> {};

TEST_P(GuideQuoteTest, GuideShowsWhatTheProgramShows) {
    const TQuote& quote = GetParam();
    EXPECT_NE(GuideProse().find(quote.text), std::string::npos)
        << "docs/navod.md does not quote \"" << quote.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Quotes, GuideQuoteTest, testing::ValuesIn(Quotes()),
                         [](const auto& info) { return info.param.name; });

// Decimal numbers as the program writes them ("0.5", "5.8e-17", "1e-20") and as Slovak prose
// would ("0,5"), without their sign; a number cut short with an ellipsis keeps it ("0.4999…").
std::set<std::string> DecimalNumbers(const std::string& text) {
    static const std::regex number(R"(\d+(?:[.,]\d+)?e[+-]?\d+|\d+[.,]\d+(?:…)?)");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

TEST(GuideTest, EveryDecimalNumberInTheGuideIsAQuoteOfTheProgram) {
    std::set<std::string> quoted;
    for (const TQuote& quote : Quotes()) {
        quoted.merge(DecimalNumbers(quote.text));
    }
    constexpr std::string_view kEllipsis = "…";
    for (const std::string& number : DecimalNumbers(GuideProse())) {
        const bool shown = number.ends_with(kEllipsis)
                               ? std::ranges::any_of(quoted,
                                                     [&](const std::string& whole) {
                                                         return whole.starts_with(number.substr(
                                                             0, number.size() - kEllipsis.size()));
                                                     })
                               : quoted.contains(number);
        EXPECT_TRUE(shown) << "docs/navod.md shows " << number << ", which no quote here computes";
    }
}

TEST(GuideTest, EveryPictureTheGuideShowsIsInDocs) {
    static const std::regex picture(R"(!\[[^\]]*\]\(([^)\s]+)\))");
    const std::string& guide = Guide();
    const std::filesystem::path docs = std::filesystem::path(CORDIC_GUIDE).parent_path();
    int pictures = 0;
    for (auto it = std::sregex_iterator(guide.begin(), guide.end(), picture);
         it != std::sregex_iterator(); ++it, ++pictures) {
        const std::filesystem::path file = docs / (*it)[1].str();
        EXPECT_TRUE(std::filesystem::is_regular_file(file) && std::filesystem::file_size(file) > 0)
            << file << " is missing or empty (scripts/screenshot makes the pictures)";
    }
    EXPECT_GT(pictures, 0) << "no picture link found in docs/navod.md";
}

} // namespace
