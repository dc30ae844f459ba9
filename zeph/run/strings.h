#pragma once

#include <QString>

// The program's string table: message texts, tooltips and labels keyed by
// their resource number, in the language of the interface (the translator
// installed on the application; the Japanese texts without one).
namespace zeph {

// The text of string id; empty for a number the table does not hold.
QString LoadResString(int id);

// The message of error code (zeph::ErrorCode); empty for another number.
QString ErrorText(int code);

// The message of a number outside the range of its field:
// "<min> から <max> までの数値を入力して下さい。"
QString RangePrompt(double min, double max);

}  // namespace zeph
