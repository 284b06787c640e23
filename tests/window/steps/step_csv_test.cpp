#include "angle_input.h"
#include "cordic.h"
#include "step_csv.h"
#include "step_rows.h"
#include "whole_run_rows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

struct TFieldCase {
    const char* name;
    const char* text;
    const char* field;
};

void PrintTo(const TFieldCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvFieldTest : public testing::TestWithParam<TFieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvFieldTest,
    testing::Values(TFieldCase{"NumberAsItIs", "-1.22655225516145811394e-14",
                               "-1.22655225516145811394e-14"},
                    TFieldCase{"HeaderWithSpacesAndBars", "|x \u2212 cos|", "|x \u2212 cos|"},
                    TFieldCase{"Empty", "", ""}, TFieldCase{"CommaQuoted", "0,5", "\"0,5\""},
                    TFieldCase{"QuoteDoubled", "5\"", "\"5\"\"\""},
                    TFieldCase{"LineEndQuoted", "a\nb", "\"a\nb\""},
                    TFieldCase{"CarriageReturnQuoted", "a\rb", "\"a\rb\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepTableCsvTest, ThirtyDegreesHasTheAngleTheHeaderEveryStepAndTheResult) {
    const TStepRows rows = WholeRunRows(ParseAngle("30", kUnitDegrees).theta);
    const std::string csv = StepTableCsv(rows);
    EXPECT_TRUE(csv.starts_with("\u03b8 (rad),0.52359877559829885263\r\n"
                                "i,smer,atan 2^-i,z,x,y,|x \u2212 cos|,|y \u2212 sin|\r\n"
                                "0,+,0.78539816339744830963,0.52359877559829885263,"
                                "0.6072529350088812563,0,2.59e-01,5.00e-01\r\n"
                                "1,\u2212,"))
        << csv.substr(0, 200);
    EXPECT_TRUE(csv.ends_with("\r\nvýsledok,,,7.696975608601395261e-17,0.8660254037844386957,"
                              "0.49999999999999991557,3.87e-17,6.67e-17\r\n"))
        << csv.substr(csv.size() - 200);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 57);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), ','), 1 + 56 * 7);
}

TEST(StepTableCsvTest, StartedRunIsTheAngleAndTheHeaderAlone) {
    TStepRows rows;
    rows.Start(0.0L);
    EXPECT_EQ(StepTableCsv(rows), "\u03b8 (rad),0\r\ni,smer,atan 2^-i,z,x,y,|x \u2212 cos|,|y \u2212 sin|\r\n");
}

} // namespace
