#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "failure/ClickScenario.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct ProbeRun {
    bool exited = false; // false when a signal ended it
    int status = -1;
    std::string out;
    std::string err;
};

std::string contentsOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the probe program on one scenario, its stdout and stderr each into a file.
ProbeRun runProbe(const std::string& scenario)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-probe-" + std::to_string(::getpid()) + "-" + scenario);
    fs::create_directories(dir);
    const std::string out = (dir / "stdout").string();
    const std::string err = (dir / "stderr").string();

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = FAILURE_PROBE;
    std::string argument = scenario;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);

    int wait = 0;
    ::waitpid(pid, &wait, 0);
    ProbeRun run;
    run.exited = WIFEXITED(wait);
    run.status = run.exited ? WEXITSTATUS(wait) : -1;
    run.out = contentsOf(out);
    run.err = contentsOf(err);
    fs::remove_all(dir);
    return run;
}

enum class Failure { None, OutOfRange, Overflow, Widget, NonStandard };

// What the click meets when raised here, where the core's exception comes out
// to the test instead of ending the process.
struct Met {
    Failure failure = Failure::None;
    std::string what;
};

Met raiseHere(const std::string& scenario)
{
    const auto made = failure::ClickScenario::named(scenario);
    if (!made)
        throw std::invalid_argument("no scenario " + scenario);
    try {
        made->click().raise();
    } catch (const std::out_of_range& e) {
        return {Failure::OutOfRange, e.what()};
    } catch (const std::overflow_error& e) {
        return {Failure::Overflow, e.what()};
    } catch (const std::runtime_error& e) {
        return {Failure::Widget, e.what()};
    } catch (...) {
        return {Failure::NonStandard, ""};
    }
    return {};
}

struct EndingClick {
    const char* scenario;
    Failure failure;
    // The words after "Orvane: internal error: "; null where they are the
    // standard library's own, as the failure raised here carries them.
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const EndingClick& c) { return out << c.scenario; }

// A click that meets a limit ends the program at the dispatch point: one line
// naming the failure on stderr, a failure status, and nothing else written.
class ClickEndsTheProgram : public ::testing::TestWithParam<EndingClick> {};

TEST_P(ClickEndsTheProgram, WithOneLineOnStderrAndAFailureStatus)
{
    const EndingClick& c = GetParam();
    const Met met = raiseHere(c.scenario);
    ASSERT_EQ(met.failure, c.failure);
    const std::string message = c.message ? c.message : met.what;

    const ProbeRun run = runProbe(c.scenario);
    EXPECT_TRUE(run.exited) << "ended by a signal";
    EXPECT_EQ(run.status, EXIT_FAILURE);
    EXPECT_EQ(run.err, "Orvane: internal error: " + message + "\n");
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ClickEndsTheProgram,
    ::testing::Values(EndingClick{"row-bar-on-candidate-10", Failure::OutOfRange, nullptr},
                      EndingClick{"row-bar-on-candidate-minus-1", Failure::OutOfRange, nullptr},
                      EndingClick{"pick-lays-bar-32768-in-a-peer", Failure::Overflow, "16-bit counter overflow"},
                      EndingClick{"pick-lays-bar-32768-in-its-own-cell", Failure::Overflow, "16-bit counter overflow"},
                      EndingClick{"widget-fails", Failure::Widget, "widget gone"},
                      EndingClick{"widget-fails-with-a-non-standard-exception", Failure::NonStandard,
                                  "unknown failure"}),
    [](const ::testing::TestParamInfo<EndingClick>& info) {
        std::string name = info.param.scenario;
        for (char& ch : name)
            ch = ch == '-' ? '_' : ch;
        return name;
    });

// Right at a limit, and where an event has no one to hear it, the click simply returns.
class ClickReturns : public ::testing::TestWithParam<const char*> {};

TEST_P(ClickReturns, AndTheProgramPlaysOn)
{
    EXPECT_EQ(raiseHere(GetParam()).failure, Failure::None);

    const ProbeRun run = runProbe(GetParam());
    EXPECT_TRUE(run.exited) << "ended by a signal";
    EXPECT_EQ(run.status, EXIT_SUCCESS);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "the click returned\n");
}

INSTANTIATE_TEST_SUITE_P(Edges, ClickReturns,
                         ::testing::Values("row-bar-on-candidate-9", "pick-lays-bar-32767-in-a-peer", "lone-cell-pick"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 ch = ch == '-' ? '_' : ch;
                             return name;
                         });

} // namespace
