#pragma once
#include <cstdint>

// The few calls from the board into the page (page.js holds the page's side).
// Elements are addressed by their numbers from Elements.h.
namespace ui::web::page {

// Takes over the board the page was built with (PageMarkup.h) and lets it take
// clicks and keys. order[n] is the number of the n-th cell, label or button in
// document order.
void install(const int* order, int count);
// Sets the page's title and puts the focus on the first control in tab order.
void show(const char* title);
// Gives the element the keyboard focus; a cell or a label, never a tab stop, takes it only so.
void focus(int element);
void setVisible(int element, bool visible);
void setEnabled(int element, bool enabled);
void setFace(int element, std::uint32_t sysColor);
// name is what assistive technology reads while the caption is not empty.
void setCaption(int element, const char* caption, const char* name);
// Shows the one line that says the board has stopped, and stops it.
void stop(const char* message);

} // namespace ui::web::page
