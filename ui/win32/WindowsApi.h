#pragma once
// The one way the front-end includes the Windows headers. The build defines
// UNICODE, WIN32_LEAN_AND_MEAN and NOMINMAX for all our code (orvane_flags), so
// every file sees the same wide-character, lean, macro-tamed API.
#include <windows.h>
