#pragma once

// The one way this program takes in the Windows API: without the min/max macros that break
// std::min and std::max, and without the rarely used parts of the API. Include it in place of
// <windows.h>, before headers that build on it (shellapi.h, lm.h, winnetwk.h).

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
