#include "ui/web/Entry.h"

// The page keeps the board after main returns: the runtime stays, and clicks
// arrive as calls of orvane_click.
int main() { ui::web::startBoard(); }
