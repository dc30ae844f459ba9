#pragma once

// Symbols marked TOLVEX_API are exported from libtolvex.so; everything else
// is hidden (the library is built with -fvisibility=hidden).
#define TOLVEX_API __attribute__((visibility("default")))
