#include <cstdint>

#include "app/modOrvane.h"
#include "ui/web/Entry.h"

// The page with one fault put in for the tests: "Reset" asks the board to bar a
// candidate index that no cell has, so the click fails inside the core and the
// failure has to unwind through it to the page's one dispatch point.
int main()
{
    ui::web::startBoard();
    ui::web::boardWindow()->cmdReset().Click.connect([] {
        constexpr std::int16_t noSuchCandidate = 10;
        modOrvane::board()->usrcntGrid_Chosen(0, 0, noSuchCandidate, true);
    });
}
