#include "app/batch/BatchArguments.h"

#include <cstdlib>

#include "core/DiagramFileName.h"

namespace {

ParsedArguments Bad(std::string problem) {
    ParsedArguments parsed;
    parsed.Outcome = ParsedArguments::Kind::Bad;
    parsed.Problem = std::move(problem);
    return parsed;
}

// A time limit is a plain number of seconds above 0, at most about 11 days.
std::optional<double> Seconds(const std::string& text) {
    constexpr double kMostSeconds = 1e6;
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(seconds > 0.0) || seconds > kMostSeconds) {
        return std::nullopt;
    }
    return seconds;
}

constexpr const char* kBadTimeLimit = "--time-limit needs a number of seconds above 0";

// The value of an option given as "--name VALUE" or "--name=VALUE"; nothing
// when the word is another option. Advances i past a separate value.
std::optional<std::string> OptionValue(const std::vector<std::string>& words, std::size_t& i,
                                       const std::string& name) {
    const std::string& word = words[i];
    if (word == name) {
        if (i + 1 == words.size()) {
            return std::string();
        }
        return words[++i];
    }
    if (word.rfind(name + "=", 0) == 0) {
        return word.substr(name.size() + 1);
    }
    return std::nullopt;
}

}  // namespace

ParsedArguments ParseBatchArguments(const std::vector<std::string>& words) {
    ParsedArguments parsed;
    BatchArguments& arguments = parsed.Arguments;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
            files.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            parsed.Outcome = ParsedArguments::Kind::Help;
            return parsed;
        } else if (word == "--short") {
            arguments.ShortReport = true;
        } else if (word == "--alternate") {
            arguments.AlternateMethod = true;
        } else if (word == "--fewest-bars") {
            arguments.FewestBars = true;
        } else if (word == "--time-limit" || word.rfind("--time-limit=", 0) == 0) {
            const bool joined = word != "--time-limit";
            if (!joined && i + 1 == words.size()) {
                return Bad(kBadTimeLimit);
            }
            arguments.TimeLimit = Seconds(joined ? word.substr(13) : words[++i]);
            if (!arguments.TimeLimit) {
                return Bad(kBadTimeLimit);
            }
        } else if (word == "--json") {
            arguments.Json = true;
        } else if (word == "--save") {
            if (i + 1 == words.size() || words[i + 1].empty()) {
                return Bad("--save needs a file name");
            }
            arguments.SaveTo = words[++i];
        } else if (word.rfind("--save=", 0) == 0) {
            if (word.size() == 7) {
                return Bad("--save needs a file name");
            }
            arguments.SaveTo = word.substr(7);
        } else if (word == "--take-from-stock") {
            arguments.TakeFromStock = true;
        } else if (const auto stock = OptionValue(words, i, "--stock")) {
            if (stock->empty()) {
                return Bad("--stock needs a file name");
            }
            arguments.StockFile = *stock;
        } else if (const auto diagram = OptionValue(words, i, "--diagram")) {
            if (diagram->empty()) {
                return Bad("--diagram needs a file name");
            }
            if (!DiagramFormatOf(*diagram)) {
                return Bad("--diagram " + *diagram + ": " + kDiagramExtensionRefusal);
            }
            arguments.DiagramTo = *diagram;
        } else {
            return Bad("unknown option " + word);
        }
    }
    if (arguments.FewestBars && arguments.AlternateMethod) {
        return Bad("--alternate and --fewest-bars exclude each other");
    }
    if (arguments.StockFile && (arguments.FewestBars || arguments.AlternateMethod)) {
        return Bad("--stock plans its own way and excludes --alternate and --fewest-bars");
    }
    if (arguments.TimeLimit && !arguments.FewestBars && !arguments.StockFile) {
        return Bad("--time-limit goes with --fewest-bars or --stock");
    }
    if (arguments.TakeFromStock && !arguments.StockFile) {
        return Bad("--take-from-stock goes with --stock");
    }
    if (files.empty()) {
        return Bad("no job file given");
    }
    if (files.size() > 1) {
        return Bad("only one job file can be given");
    }
    if (files.front().empty()) {
        return Bad("the job file name is empty");
    }
    arguments.JobFile = files.front();
    parsed.Outcome = ParsedArguments::Kind::Run;
    return parsed;
}

std::string BatchUsage() {
    return "Usage: velmar-batch [--short] [--alternate] [--json] [--save OUT] [--diagram OUT] "
           "JOBFILE\n"
           "       velmar-batch --fewest-bars [--time-limit SECONDS] [--short] [--json] [--save "
           "OUT] [--diagram OUT] JOBFILE\n"
           "       velmar-batch --stock STOCKFILE [--take-from-stock] [--time-limit SECONDS] "
           "[--short] [--json] [--save OUT] [--diagram OUT] JOBFILE\n"
           "Opens a Velmar job file, calculates it and prints the cutting report.\n"
           "\n"
           "  --short       Short Report: combine like cut lines\n"
           "  --alternate   Alternate Method: one longest piece per bar\n"
           "  --fewest-bars Fewest Bars: plan on as few bars as the search finds\n"
           "  --time-limit SECONDS\n"
           "                how long that search (or the one from stock) may take (default\n"
           "                10); the best plan found by then is printed, never worse than\n"
           "                first fit's\n"
           "  --stock STOCKFILE\n"
           "                cut the bars from the stock this CSV file lists (Length,On "
           "Hand,Cost):\n"
           "                least cost when every line has a cost, else least stock length\n"
           "  --take-from-stock\n"
           "                then take the bars from STOCKFILE: lower On Hand, add the\n"
           "                remaining leftovers as offcuts, and save it\n"
           "  --json        print the report, the cut list and the results as one JSON object\n"
           "  --save OUT    afterwards save the job to OUT, as Save As does\n"
           "  --diagram OUT draw the bars of the calculated job into OUT, a .pdf or .svg file\n"
           "  --help        show this text\n"
           "\n"
           "Exit status: 0 calculated, 1 job refused, 2 error, 64 bad arguments.\n";
}
