// Any bytes through the run-file reader. Besides what the sanitizers
// catch: a file is either read or refused with a reason, and a run read
// from it is written to bytes that read back as a run writing the same
// bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "run/runfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RunFileResult read = ReadRunFile(bytes);
    if (read.state.has_value() == !read.reason.isEmpty()) {
        std::abort();
    }
    if (read.state) {
        const QByteArray written = RunFileBytes(*read.state);
        const RunFileResult again = ReadRunFile(written);
        if (!again.state || RunFileBytes(*again.state) != written) {
            std::abort();
        }
    }
    return 0;
}
