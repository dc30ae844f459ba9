#pragma once

#include <QString>

// The program's string table: message texts, tooltips and labels keyed by
// their resource number.
namespace zeph {

// The text of string id; empty for a number the table does not hold.
QString LoadResString(int id);

}  // namespace zeph
