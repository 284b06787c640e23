// cordic-lab's invocations with their literal outputs, exit statuses and error lines, run
// in-process on string streams. The numbers are the engine's (tests/lab): here they only show
// that each output carries them whole.

#include "lab_program.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TInvocation {
    int status;
    std::string out;
    std::string err;
};

TInvocation Invoke(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunLabProgram(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string> kFixed14 = {"--arithmetic", "fixed", "--steps", "14"};

std::vector<std::string> Fixed14(std::vector<std::string> more) {
    more.insert(more.begin(), kFixed14.begin(), kFixed14.end());
    return more;
}

TEST(CordicLabTest, NoOptionsPrintTheMainWindowsThirtyDegreeRun) {
    const TInvocation run = Invoke({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 56U);
    EXPECT_EQ(lines[0], "i\tsmer\tposun\tx\ty\tz");
    EXPECT_EQ(lines[54], "53\t−\t53\t0.8660254037844386402\t0.5000000000000000117\t"
                         "-3.4052546376501701432e-17");
    EXPECT_EQ(lines[55], "54\t\t\t0.8660254037844386957\t0.49999999999999991557\t"
                         "7.696975608601395261e-17");
}

TEST(CordicLabTest, FixedPointInHexWritesTheRegistersAsWords) {
    const std::vector<std::string> states = Lines(Invoke(Fixed14({"--hex"})).out);
    ASSERT_EQ(states.size(), 16U);
    EXPECT_EQ(states[1], "0\t+\t0\t26dd\t0000\t2183\t00.10011011011101\t00.00000000000000\t"
                         "00.10000110000011");
    EXPECT_EQ(states[2], "1\t−\t1\t26dd\t26dd\tef3f\t00.10011011011101\t00.10011011011101\t"
                         "11.10111100111111");
    EXPECT_EQ(states[15], "14\t\t\t376f\t1ffd\t0001\t00.11011101101111\t00.01111111111101\t"
                          "00.00000000000001");
    EXPECT_EQ(Invoke(Fixed14({"--results", "--hex"})).out,
              "cos θ\t376f\t0.8660144886428646726\t2.21862\n"
              "sin θ\t1ffd\t0.5000189051032346867\t3.30974\n");
    EXPECT_EQ(Invoke(Fixed14({"--results"})).out,
              "cos θ\t0.86614990234375\t0.8660144886428646726\t2.21862\n"
              "sin θ\t0.49981689453125\t0.5000189051032346867\t3.30974\n");
}

TEST(CordicLabTest, CsvEndsItsLinesWithCrLf) {
    const std::string csv = Invoke(Fixed14({"--format", "csv"})).out;
    EXPECT_EQ(csv.substr(0, csv.find("\r\n1,")),
              "i,smer,posun,x,y,z,x (bity),y (bity),z (bity)\r\n"
              "0,+,0,0.60723876953125,0,0.52362060546875,00.10011011011101,00.00000000000000,"
              "00.10000110000011");
}

TEST(CordicLabTest, JsonIsOneObjectWithTheSetupStatesAndResults) {
    const TInvocation run = Invoke(Fixed14({"--format", "json"}));
    ASSERT_EQ(Lines(run.out).size(), 1U);
    for (const char* field : {
             R"({"setup":{"system":"circular","mode":"rotation","arithmetic":"fixed","steps":14,)"
             R"("word":16,"fraction":14,"rounding":"floor","guard":0,)"
             R"("theta":"0.52359877559829885263","x":"1","y":"0"},"refusal":null,)"
             R"("folded":false,"converges":true,"unit":"6.103515625e-05","states":[)",
             R"({"i":1,"sigma":-1,"shift":1,"x":"0.60723876953125","y":"0.60723876953125",)"
             R"("z":"-0.26177978515625","raw_x":9949,"raw_y":9949,"raw_z":-4289,"overflow":false})",
             R"("results":[{"name":"cos θ","value":"0.86614990234375",)"
             R"("exact":"0.8660144886428646726","error_u":2.21862},)",
         }) {
        EXPECT_NE(run.out.find(field), std::string::npos) << field;
    }
    const std::string hex = Invoke(Fixed14({"--format", "json", "--results", "--hex"})).out;
    EXPECT_EQ(hex.find("\"states\""), std::string::npos);
    EXPECT_NE(hex.find(R"({"name":"sin θ","value":"1ffd",)"), std::string::npos);
    EXPECT_NE(Invoke({"--format", "json"}).out.find(R"("raw_x":null,)"), std::string::npos);
}

TEST(CordicLabTest, SweepGivesTheLargestErrorForEveryStepCount) {
    const std::vector<std::string> lines = Lines(Invoke({"--arithmetic", "fixed", "--sweep"}).out);
    ASSERT_EQ(lines.size(), 64U);
    EXPECT_EQ(lines[13], "14\t7.83081");
    EXPECT_EQ(lines[63], "64\t54.6464");
}

TEST(CordicLabTest, ValuesFollowTheirOptionOrAnEqualsSign) {
    const std::string expected = "uhol\t-2.2142974355881810066\t-2.214297435588181006\t6.00000\n"
                                 "dĺžka\t5.0000000000000000013\t5\t12.0000\n";
    EXPECT_EQ(
        Invoke({"--mode", "vectoring", "--x", "-3", "--y", "-4", "--steps", "64", "--results"}).out,
        expected);
    EXPECT_EQ(Invoke({"--mode=vectoring", "--x=-3", "--y=-4,0", "--steps=64", "--results"}).out,
              expected);
}

TEST(CordicLabTest, InputsGiveARowPerLineAndMarkEachRefusedLine) {
    const std::string lines = "30\n\n  # uhly v stupňoch\n-45\r\ntridsať\n200\n";
    const TInvocation run =
        Invoke(Fixed14({"--degrees", "--inputs", "-", "--results", "--hex"}), lines);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "cos θ\t376f\t0.8660144886428646726\t2.21862\t"
                       "sin θ\t1ffd\t0.5000189051032346867\t3.30974\n"
                       "cos θ\t2d42\t0.70710520629708866326\t0.788300\t"
                       "sin θ\td2be\t-0.70710835607249875224\t0.736694\n"
                       "# riadok 5: Uhol nie je číslo\n"
                       "# riadok 6: Uhol musí byť od −180° do 180°\n");
    const std::string json = Invoke({"--inputs", "-", "--format", "json"}, "0.5\n4\n").out;
    EXPECT_NE(
        json.find("\n# riadok 2: Uhol musí byť od −π do π\n"
                  R"({"setup":{"system":"circular","mode":"rotation","arithmetic":"extended",)"
                  R"("steps":54,"theta":"4","x":"1","y":"0"},"refusal":"OutOfDomain",)"),
        std::string::npos);
    EXPECT_EQ(Invoke({"--mode", "vectoring", "--inputs", "-"}, "1 2 3\n").out,
              "i\tsmer\tposun\tx\ty\tz\n# riadok 1: Riadok má mať dve čísla: x y\n");
}

TEST(CordicLabTest, AThousandInputsAcrossThreadsKeepTheirOrder) {
    // Each line alone, and all of them at once in batches split among threads.
    std::string lines;
    std::string expected;
    for (int k = 0; k < 1000; ++k) {
        const std::string line = k % 7 == 3 ? "x" : std::to_string(k % 360 - 180);
        lines += line + "\n";
        const TInvocation alone =
            Invoke({"--degrees", "--steps", "8", "--results", "--inputs", "-"}, line + "\n");
        expected += alone.status == 0 ? alone.out
                                      : "# riadok " + std::to_string(k + 1) + ": " +
                                            alone.out.substr(alone.out.find(": ") + 2);
    }
    const TInvocation all =
        Invoke({"--degrees", "--steps", "8", "--results", "--inputs", "-"}, lines);
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, expected);
}

TEST(CordicLabTest, EveryErrorIsOneLineOnStandardErrorAndNothingOnStandardOutput) {
    struct TCase {
        std::vector<std::string> arguments;
        const char* line;
    };
    const TCase cases[] = {
        {{"--foo"}, "Neznáma voľba: --foo"},
        {{"--steps"}, "Voľbe --steps chýba hodnota"},
        {{"--degrees=1"}, "Voľba --degrees nemá hodnotu"},
        {{"30"}, "Nečakaný argument: 30"},
        {{"--mode", "spin"}, "Voľba --mode musí byť rotation alebo vectoring"},
        {{"--format", "xml"}, "Voľba --format musí byť tsv, csv alebo json"},
        {{"--steps", "65"}, "Počet krokov je od 1 do 64"},
        {{"--steps", "1,5"}, "Počet krokov nie je celé číslo"},
        {{"--arithmetic", "fixed", "--word", "8"}, "Desatinné bity sú od 0 do 7"},
        {{"--arithmetic", "fixed", "--word", "60", "--guard", "5"}, "Strážne bity sú od 0 do 4"},
        {{"--theta", "tridsať"}, "Uhol nie je číslo"},
        {{"--system", "hyperbolic", "--theta", ""}, "t nie je číslo"},
        {{"--system", "linear", "--x", "a"}, "a nie je číslo"},
        {{"--system", "linear", "--degrees"}, "Voľba --degrees je len pre uhol kruhovej sústavy"},
        {{"--hex"}, "Voľba --hex je len pre pevnú čiarku (--arithmetic fixed)"},
        {{"--sweep", "--results"}, "Voľba --sweep sa nedá spojiť s --results ani s --inputs"},
        {{"--degrees", "--theta", "200"}, "Uhol musí byť od −180° do 180°"},
        {{"--mode", "vectoring", "--x", "0"}, "Bod (0, 0) nemá uhol"},
        {{"--arithmetic", "fixed", "--theta", "2"},
         "Na prehnutie treba π, ktoré sa do slova nezmestí"},
        {{"--system", "hyperbolic", "--theta", "-5"}, "t musí byť od −4 do 4"},
        {{"--system", "linear", "--mode", "vectoring", "--x", "0"}, "Nulou sa deliť nedá: x je 0"},
        {{"--inputs", "/nonexistent/uhly.txt"},
         "Súbor vstupov sa nedá otvoriť: /nonexistent/uhly.txt"},
        {{"--inputs", "/"}, "Súbor vstupov sa nedá otvoriť: /"},
    };
    for (const TCase& c : cases) {
        const TInvocation run = Invoke(c.arguments);
        EXPECT_EQ(run.status, 2) << c.line;
        EXPECT_EQ(run.err, std::string(c.line) + "\n");
        EXPECT_EQ(run.out, "") << c.line;
    }
}

TEST(CordicLabTest, OutputThatCannotBeWrittenIsAFailure) {
    std::istringstream in;
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunLabProgram({"--results"}, in, broken, err), 2);
    EXPECT_EQ(err.str(), "Výstup sa nedá zapísať\n");
}

TEST(CordicLabTest, HelpAndVersion) {
    const TInvocation help = Invoke({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, help.out.find('\n')), "Použitie: cordic-lab [VOĽBY]");
    EXPECT_EQ(Invoke({"--version"}).out, "cordic-lab 1.0\n");
}

} // namespace
