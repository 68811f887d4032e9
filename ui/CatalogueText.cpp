#include "ui/Catalogue.h"
#include "ui/Text.h"

// The builds that carry the catalogue inside themselves look a text up in it, in the
// language each chose for the player.
const char* ui::_(const char* english) { return catalogue::translated(english, catalogue::spokenLanguage()); }
