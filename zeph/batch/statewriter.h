#pragma once

#include <string>
#include <string_view>

#include "statetable.h"

namespace zeph::batch {

enum class TableFormat { kCsv, kJson };

// Writes rows of states as they come: CSV with a header line that carries
// the units, or a JSON array of one object per row keyed by the column
// names, null for a value that is not there. Before the properties come
// the name and the pressure when the input has them; after them the error.
class StateWriter {
  public:
    StateWriter(TableFormat format, EnthalpyUnit unit, const InputColumns& columns);

    void Begin(std::string& out) const;
    void Row(const StateRow& row, std::string& out);
    void End(std::string& out) const;

  private:
    TableFormat format_;
    EnthalpyUnit unit_;
    bool withName_;
    bool withPressure_;
    bool firstRow_ = true;
};

// Appends a CSV field, quoted when it holds a comma, a quote or a line end.
void AppendCsvField(std::string& out, std::string_view text);

// Appends a JSON string. Bytes that are not UTF-8 become U+FFFD, so the
// output stays valid JSON whatever the input's encoding.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace zeph::batch
