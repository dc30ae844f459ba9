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

}  // namespace zeph
