// Delivers one click scenario through the board's dispatch point, as a front-end
// would, in a process of its own: a failure must end this process with its one
// line on stderr. Should the click come back, the probe says so on stdout.
#include <cstdio>
#include <cstdlib>

#include "failure/ClickScenario.h"
#include "ui/Dispatch.h"

int main(int argc, char** argv)
{
    const auto scenario = argc == 2 ? failure::ClickScenario::named(argv[1]) : nullptr;
    if (!scenario) {
        std::fputs("usage: failure_probe SCENARIO (see ClickScenario.cpp)\n", stderr);
        return 2;
    }
    ui::dispatchClick(scenario->click());
    std::puts("the click returned");
    return EXIT_SUCCESS;
}
