#pragma once

namespace ui::web {

// Takes the first of the browser's languages (navigator.languages) that the
// catalogue has, English when the player prefers it or none is there, and, once
// the board is built, says in that language what the page wrote in English: the
// names assistive technology reads, the commands' captions, the phone's buttons,
// the failure line and <html lang>.
void speakTheBrowsersLanguage();

} // namespace ui::web
