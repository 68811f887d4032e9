#include <cstdint>
#include <limits>

#include "app/modOrvane.h"
#include "ui/web/Entry.h"

// The page with one fault put in for the tests. Before the page goes live, the
// bars on candidate "9" in the first row and the first column, outside the
// top-left box, are counted up to the 16-bit limit, as if "9" had been picked in
// the top-left cell that many times. Picking "9" there for real then overflows a
// counter inside the core, and the failure has to unwind through it to the
// page's one dispatch point.
int main()
{
    ui::web::startBoard();
    constexpr std::int16_t nine = 8;
    for (int n = 0; n < std::numeric_limits<std::int16_t>::max(); ++n)
        modOrvane::board()->usrcntGrid_Chosen(0, 0, nine, true);
}
