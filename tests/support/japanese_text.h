#pragma once

#include <QString>

// True when text holds a Japanese character: kana, ideographs, the CJK
// symbols and punctuation (the wide blank among them), the CJK
// compatibility signs (㎡) and the full-width and half-width forms. What
// an English text may not hold.
inline bool HasJapanese(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if ((c >= 0x3000 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
            (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
            (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF)) {
            return true;
        }
    }
    return false;
}
