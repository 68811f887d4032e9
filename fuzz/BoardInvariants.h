#pragma once
#include <cstddef>
#include <string>

#include "app/Orvane_Main.h"
#include "support/ReferenceModel.h"
#include "support/VisibleState.h"

namespace fuzz {

// The rules the board keeps after every move, checked on what the player sees
// against the picks the player has made (the model serves only as the record
// of those picks, not as a prediction). Bars are exact: a candidate is barred
// exactly when a peer holds its digit or the cell has picked another one. The
// counters are not visible, but a counter that went below zero, lost a bar or
// kept one too many shows here as a barred candidate that no pick explains, or
// a free one that a peer holds.
//
//   open cell    every button shown; a candidate no peer holds is enabled on
//                Button face (or the design-time Active border of "9"), one a
//                peer holds is disabled on Window text
//   picked cell  only the pick is shown, enabled on Button face; the other
//                eight are hidden on Window text; no peer holds the same digit
//   fixed cell   the label shows the picked digit and its button is hidden
//
// Returns one line per broken rule, at most `limit` of them; empty when all hold.
std::string brokenInvariants(const support::BoardState& shown, const support::ReferenceModel& picks,
                             std::size_t limit = 12);

// The counters themselves, read from the cells: never negative, and on every
// candidate exactly the bars the picks imply (peers holding its digit, plus the
// cell's own pick of another digit), fixed cells included. The unused tenth
// counter stays 0. Same form of answer as above.
std::string wrongCounters(const Orvane_Main& board, const support::ReferenceModel& picks, std::size_t limit = 12);

} // namespace fuzz
