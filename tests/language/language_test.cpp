#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CatalogueTable.h"
#include "ui/Catalogue.h"
#include "ui/LocaleText.h"
#include "ui/Text.h"

namespace {

// A line of the table: its environment, and the catalogue's language (-1 English).
struct Row {
    std::string line;
    std::map<std::string, std::string> environment;
    int language = ui::catalogue::english;
};

std::vector<Row> table()
{
    std::ifstream file(ORVANE_LANGUAGE_TABLE);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        Row row{line, {}};
        for (std::string word; !line.starts_with('#') && words >> word;)
            if (const auto equals = word.find('='); equals != std::string::npos)
                row.environment[word.substr(0, equals)] = word.substr(equals + 1);
            else
                for (int language = 0; language < ui::catalogue::languageCount; ++language)
                    row.language = word == ui::catalogue::languageNames[language] ? language : row.language;
        if (!row.environment.empty())
            rows.push_back(row);
    }
    EXPECT_GE(rows.size(), 10u);
    return rows;
}

// The player's languages, best first, as glibc's gettext reads them: none in the C
// locale; else LANGUAGE; else the locale's, LC_ALL's or LANG's.
std::vector<std::string> preferredOf(std::map<std::string, std::string> environment)
{
    const std::string locale = environment["LC_ALL"].empty() ? environment["LANG"] : environment["LC_ALL"];
    std::vector<std::string> list;
    std::istringstream languages(environment["LANGUAGE"].empty() ? locale.substr(0, locale.find('.'))
                                                                 : environment["LANGUAGE"]);
    for (std::string tag; locale != "C" && locale != "POSIX" && std::getline(languages, tag, ':');)
        list.push_back(tag);
    return list;
}

TEST(Language, EveryBuildChoosesAsTheTableSays)
{
    for (const Row& row : table()) {
        const std::vector<std::string> tags = preferredOf(row.environment);
        const std::vector<std::string_view> preferred(tags.begin(), tags.end());
        EXPECT_EQ(ui::catalogue::bestLanguage(preferred), row.language) << row.line;
    }
}

// Orvane.exe and the page carry every text the template has from the program's
// sources, and no other, each as the template writes it.
TEST(Language, TheCompiledCatalogueHoldsEveryTextOfTheProgram)
{
    FILE* pot = popen(
        "msggrep --location='*/*.cpp' --location='*/*.h' --location='*/*/*.cpp' --location='*/*/*.h' " ORVANE_SOURCE_DIR
        "/po/orvane.pot | msgcat --no-wrap - | sed -n 's/^msgid \"\\(..*\\)\"$/\\1/p'",
        "r");
    std::set<std::string> expected, compiled;
    for (char line[4096]; fgets(line, sizeof line, pot);)
        expected.insert(std::string(line, std::strcspn(line, "\n")));
    pclose(pot);
    // Each text as the template writes it: '"' and '\\' escaped, a line end as "\\n".
    for (const std::string_view text : ui::catalogue::englishTexts) {
        std::string written;
        for (const char c : text)
            written += c == '\n' ? std::string("\\n") : c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
        compiled.insert(written);
    }
    EXPECT_EQ(compiled, expected);
}

// The Linux program's choice: each row in a process of its own, which sets the
// row's environment, opens the catalogue as the program does from beside it, and
// fails unless every text reads as the compiled catalogue has it in the row's
// language. LOCPATH holds the locales the test made.
TEST(Language, GettextChoosesAsTheTableSays)
{
    ASSERT_NE(getenv("LOCPATH"), nullptr);
    const std::string programDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    for (const Row& row : table()) {
        const pid_t child = fork();
        if (child == 0) {
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                unsetenv(name);
            for (const auto& [name, value] : row.environment)
                setenv(name.c_str(), value.c_str(), 1);
            ui::openCatalogue(programDir);
            for (const char* english : ui::catalogue::englishTexts)
                if (std::string(ui::_(english)) != ui::catalogue::translated(english, row.language))
                    _exit(1);
            _exit(0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << row.line;
    }
}

} // namespace
