// The one kind of bitmap the toolkit draws with: 32 bits a pixel, rows top first.
#pragma once

#include <windows.h>

// A device-independent bitmap of that size; bits receives its pixels. Null
// when it cannot be made.
HBITMAP CreateDibSection32(SIZE size, void** bits);
