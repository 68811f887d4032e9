#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CatalogueTable.h"
#include "ui/Catalogue.h"
#include "ui/LocaleText.h"
#include "ui/Text.h"

namespace {

struct Row {
    std::string line;
    std::map<std::string, std::string> environment;
    std::string language;
};

std::vector<Row> table()
{
    std::ifstream file(ORVANE_LANGUAGE_TABLE);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        Row row{line, {}, {}};
        for (std::string word; !line.starts_with('#') && words >> word;)
            if (const auto equals = word.find('='); equals != std::string::npos)
                row.environment[word.substr(0, equals)] = word.substr(equals + 1);
            else
                row.language = word;
        if (!row.language.empty())
            rows.push_back(row);
    }
    EXPECT_GE(rows.size(), 10u);
    return rows;
}

// The player's languages, best first, as glibc's gettext reads them: none in the C
// locale; else LANGUAGE; else the locale of LC_ALL, LC_MESSAGES or LANG.
std::vector<std::string> preferredOf(std::map<std::string, std::string> environment)
{
    const std::string locale = !environment["LC_ALL"].empty()        ? environment["LC_ALL"]
                               : !environment["LC_MESSAGES"].empty() ? environment["LC_MESSAGES"]
                                                                     : environment["LANG"];
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return {};
    std::vector<std::string> list;
    std::istringstream languages(environment["LANGUAGE"].empty() ? locale.substr(0, locale.find('.'))
                                                                 : environment["LANGUAGE"]);
    for (std::string tag; std::getline(languages, tag, ':');)
        list.push_back(tag);
    return list;
}

int languageNamed(const std::string& name)
{
    for (int language = 0; language < ui::catalogue::languageCount; ++language)
        if (name == ui::catalogue::languageNames[language])
            return language;
    return ui::catalogue::english;
}

TEST(Language, EveryBuildChoosesAsTheTableSays)
{
    for (const Row& row : table()) {
        const std::vector<std::string> tags = preferredOf(row.environment);
        const std::vector<std::string_view> preferred(tags.begin(), tags.end());
        EXPECT_EQ(ui::catalogue::bestLanguage(preferred), languageNamed(row.language)) << row.line;
    }
}

// Orvane.exe and the page carry every text the template has from the program's
// sources, and no other.
TEST(Language, TheCompiledCatalogueHoldsEveryTextOfTheProgram)
{
    std::ifstream pot(ORVANE_SOURCE_DIR "/po/orvane.pot");
    const std::regex programFile(R"(\.(cpp|h)( |$))");
    const auto unquoted = [](const std::string& line) {
        std::string text;
        for (std::size_t i = line.find('"') + 1; i < line.rfind('"'); ++i)
            text += line[i] == '\\' && line[++i] == 'n' ? '\n' : line[i];
        return text;
    };
    std::set<std::string> expected;
    bool program = false, inText = false;
    std::string text;
    for (std::string line; std::getline(pot, line);) {
        if (line.starts_with("#: "))
            program = program || std::regex_search(line, programFile);
        else if (line.starts_with("msgid "))
            text = unquoted(line), inText = true;
        else if (line.starts_with('"') && inText)
            text += unquoted(line);
        else if (line.starts_with("msgstr ")) {
            if (program && !text.empty())
                expected.insert(text);
            program = inText = false;
        }
    }
    const std::set<std::string> compiled(ui::catalogue::englishTexts,
                                         ui::catalogue::englishTexts + ui::catalogue::textCount);
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
            const int language = languageNamed(row.language);
            for (const char* english : ui::catalogue::englishTexts)
                if (std::string(ui::_(english)) != ui::catalogue::translated(english, language))
                    _exit(1);
            _exit(0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << row.line;
    }
}

} // namespace
