#include "lab_command.h"

#include "lab_input.h"
#include "lab_texts.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

namespace {

// The options that take a value, and the switches.
constexpr std::array<const char*, 13> kValueOptions = {
    "system", "mode",  "arithmetic", "word", "fraction", "rounding", "guard",
    "steps",  "theta", "x",          "y",    "format",   "inputs"};
constexpr std::array<const char*, 6> kSwitches = {"degrees", "results", "hex",
                                                  "sweep",   "help",    "version"};

// The angle when --theta is not given: the laboratory's 30 degrees.
constexpr const char* kDefaultDegrees = "30";

// A refusal on its way out of the reading.
struct TRefused {
    std::string line;
};

std::string OptionText(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + name.toStdString();
}

// Why QCommandLineParser refused the arguments, in our words: an unknown option, a value
// option last without its value, or a switch given a value.
std::string ParseRefusal(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return "Neznáma voľba: " + OptionText(parser.unknownOptionNames().front());
    }
    const auto nameOf = [](const QString& argument) {
        QString name = argument;
        while (name.startsWith(u'-')) {
            name.remove(0, 1);
        }
        return name.section(u'=', 0, 0);
    };
    const QString& last = arguments.back();
    for (const char* option : kValueOptions) {
        if (!last.contains(u'=') && nameOf(last) == QLatin1String(option)) {
            return "Voľbe --" + std::string(option) + " chýba hodnota";
        }
    }
    for (const QString& argument : arguments) {
        for (const char* option : kSwitches) {
            if (argument.contains(u'=') && nameOf(argument) == QLatin1String(option)) {
                return "Voľba --" + std::string(option) + " nemá hodnotu";
            }
        }
    }
    return "Voľby sa nedajú prečítať";
}

class TReader {
public:
    explicit TReader(const std::vector<std::string>& arguments) {
        for (const char* name : kValueOptions) {
            parser_.addOption(
                QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        }
        for (const char* name : kSwitches) {
            parser_.addOption(QCommandLineOption(QString::fromLatin1(name)));
        }
        arguments_.append(QStringLiteral("cordic-lab"));
        for (const std::string& argument : arguments) {
            arguments_.append(QString::fromStdString(argument));
        }
    }

    TLabCommand Read() {
        if (!parser_.parse(arguments_)) {
            throw TRefused{ParseRefusal(parser_, arguments_)};
        }
        if (!parser_.positionalArguments().isEmpty()) {
            throw TRefused{"Nečakaný argument: " +
                           parser_.positionalArguments().front().toStdString()};
        }
        TLabCommand command;
        command.help = IsSet("help");
        command.version = IsSet("version");
        if (command.help || command.version) {
            return command;
        }
        TLabSetup& setup = command.setup;
        setup.system = Word("system", kLabSystemWords, setup.system);
        setup.mode = Word("mode", kLabModeWords, setup.mode);
        setup.arithmetic = Word("arithmetic", kLabArithmeticWords, setup.arithmetic);
        command.format = Word("format", kLabFormatWords, command.format);
        setup.rounding = Word("rounding", kLabRoundingWords, setup.rounding);
        setup.wordBits = Count("word", TLabCount::WordBits, setup.wordBits, setup);
        setup.fractionBits = Count("fraction", TLabCount::FractionBits, setup.fractionBits, setup);
        setup.guardBits = Count("guard", TLabCount::GuardBits, setup.guardBits, setup);
        setup.steps = Count("steps", TLabCount::Steps, setup.steps, setup);

        command.degrees = IsSet("degrees");
        if (command.degrees && setup.system != TLabSystem::Circular) {
            throw TRefused{"Voľba --degrees je len pre uhol kruhovej sústavy"};
        }
        setup.theta = IsSet("theta") ? Angle(LabThetaName(setup), command.degrees)
                                     : *ReadLabAngle(kDefaultDegrees, true);
        setup.x0 = Number("x", LabXName(setup), setup.x0);
        setup.y0 = Number("y", LabYName(setup), setup.y0);

        command.results = IsSet("results");
        command.hex = IsSet("hex");
        command.sweep = IsSet("sweep");
        if (IsSet("inputs")) {
            command.inputs = Value("inputs");
        }
        CheckTogether(command);
        return command;
    }

private:
    bool IsSet(const char* name) const { return parser_.isSet(QString::fromLatin1(name)); }

    std::string Value(const char* name) const {
        return parser_.value(QString::fromLatin1(name)).toStdString();
    }

    template <class T, std::size_t N>
    T Word(const char* name, const std::array<TLabWord<T>, N>& words, T fallback) const {
        if (!IsSet(name)) {
            return fallback;
        }
        const std::string given = Value(name);
        std::string list;
        for (std::size_t i = 0; i < N; ++i) {
            if (words[i].word == given) {
                return words[i].value;
            }
            list += (i == 0 ? "" : i + 1 == N ? " alebo " : ", ") + std::string(words[i].word);
        }
        throw TRefused{"Voľba --" + std::string(name) + " musí byť " + list};
    }

    // A whole-number setting, checked against its range in `setup` (F's depends on W) where it
    // is given or read.
    std::int32_t Count(const char* name, TLabCount count, std::int32_t fallback,
                       const TLabSetup& setup) const {
        const bool read = count == TLabCount::Steps || setup.arithmetic == TLabArithmetic::Fixed;
        const std::optional<std::int32_t> value =
            IsSet(name) ? ReadLabCount(Value(name)) : fallback;
        if (!value) {
            throw TRefused{NotAWholeNumberText(count)};
        }
        if ((IsSet(name) || read) && !LabCountInRange(count, *value, setup)) {
            throw TRefused{LabCountRangeText(count, setup)};
        }
        return *value;
    }

    long double Angle(const std::string& field, bool degrees) const {
        const std::optional<long double> theta = ReadLabAngle(Value("theta"), degrees);
        if (!theta) {
            throw TRefused{NotANumberText(field)};
        }
        return *theta;
    }

    long double Number(const char* name, const std::string& field, long double fallback) const {
        if (!IsSet(name)) {
            return fallback;
        }
        const std::optional<long double> value = ReadLabNumber(Value(name));
        if (!value) {
            throw TRefused{NotANumberText(field)};
        }
        return *value;
    }

    static void CheckTogether(const TLabCommand& command) {
        if (command.sweep && (command.results || command.inputs)) {
            throw TRefused{"Voľba --sweep sa nedá spojiť s --results ani s --inputs"};
        }
        if (command.hex && command.sweep) {
            throw TRefused{"Voľba --hex sa nedá spojiť so --sweep"};
        }
        if (command.hex && command.setup.arithmetic != TLabArithmetic::Fixed) {
            throw TRefused{"Voľba --hex je len pre pevnú čiarku (--arithmetic fixed)"};
        }
    }

    QCommandLineParser parser_;
    QStringList arguments_;
};

} // namespace

TLabCommandReading ReadLabCommand(const std::vector<std::string>& arguments) {
    try {
        return {TReader(arguments).Read(), {}};
    } catch (const TRefused& refused) {
        return {std::nullopt, refused.line};
    }
}
