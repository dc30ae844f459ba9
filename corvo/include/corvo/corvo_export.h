#pragma once

// Symbols marked CORVO_API are exported from libcorvo.so; everything else is
// hidden (the library is built with -fvisibility=hidden).
#define CORVO_API __attribute__((visibility("default")))
