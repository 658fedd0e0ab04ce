// The manual page of velmar-batch names every option its usage text lists.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "RunTool.h"

namespace {

std::string ManPage() {
    std::ifstream in(VELMAR_BATCH_MAN_PAGE);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> UsageOptions(const std::string& usage) {
    static const std::regex option(R"((?:^|[\s\[,])(--?[a-z][a-z-]*))");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert((*it)[1].str());
    }
    return options;
}

// In troff every dash of an option is written \-; the option stands alone,
// so "\-h" inside "\-\-help" does not count.
bool Names(const std::string& page, const std::string& option) {
    std::string troff;
    for (const char c : option) {
        troff += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    for (std::size_t at = page.find(troff); at != std::string::npos;
         at = page.find(troff, at + 1)) {
        const bool dashBefore = at >= 2 && page.compare(at - 2, 2, "\\-") == 0;
        const std::size_t end = at + troff.size();
        const bool wordGoesOn =
            end < page.size() && (std::isalnum(static_cast<unsigned char>(page[end])) != 0 ||
                                  page.compare(end, 2, "\\-") == 0);
        if (!dashBefore && !wordGoesOn) {
            return true;
        }
    }
    return false;
}

TEST(ManPage, NamesEveryOptionOfTheUsageText) {
    const ToolRun help = RunBatchTool({"--help"});
    ASSERT_EQ(help.exitCode, 0);
    const std::set<std::string> options = UsageOptions(help.out);
    ASSERT_TRUE(options.count("--save") == 1) << help.out;
    const std::string page = ManPage();
    ASSERT_FALSE(page.empty()) << VELMAR_BATCH_MAN_PAGE;
    for (const std::string& option : options) {
        EXPECT_TRUE(Names(page, option)) << option << " is missing from " << VELMAR_BATCH_MAN_PAGE;
    }
}

}  // namespace
