#include "ui/web/Page.h"

#include <emscripten/emscripten.h>

// The bodies are JavaScript, run in the page; orvanePage is defined in page.js.
EM_JS(void, orvane_install, (const int* order, int count),
      { orvanePage.install(HEAP32.subarray(order >> 2, (order >> 2) + count)); });
EM_JS(void, orvane_show, (const char* title), { orvanePage.show(UTF8ToString(title)); });
EM_JS(void, orvane_focus, (int element), { orvanePage.focus(element); });
EM_JS(void, orvane_visible, (int element, int visible), { orvanePage.elements[element].hidden = !visible; });
EM_JS(void, orvane_enabled, (int element, int enabled), { orvanePage.elements[element].disabled = !enabled; });
EM_JS(void, orvane_face, (int element, unsigned color),
      { orvanePage.elements[element].style.background = "var(--c" + (color >>> 0).toString(16) + ")"; });
EM_JS(void, orvane_caption, (int element, const char* caption, const char* name),
      { orvanePage.setCaption(element, UTF8ToString(caption), UTF8ToString(name)); });
EM_JS(void, orvane_stop, (const char* message), { orvanePage.stop(UTF8ToString(message)); });

namespace ui::web::page {

void install(const int* order, int count) { orvane_install(order, count); }
void show(const char* title) { orvane_show(title); }
void focus(int element) { orvane_focus(element); }
void setVisible(int element, bool visible) { orvane_visible(element, visible); }
void setEnabled(int element, bool enabled) { orvane_enabled(element, enabled); }
void setFace(int element, std::uint32_t sysColor) { orvane_face(element, sysColor); }
void setCaption(int element, const char* caption, const char* name) { orvane_caption(element, caption, name); }
void stop(const char* message) { orvane_stop(message); }

} // namespace ui::web::page
