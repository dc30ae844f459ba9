#pragma once

#include <string>
#include <string_view>

namespace zeph::batch {

// Where a mode writes its result: standard output, or a named file that
// appears complete or not at all. The text is collected in a buffer and
// written out in large pieces; a named file is written to a temporary file
// in the same folder and renamed over the name on Commit. Until then the
// name is untouched, and the temporary file is removed when the object goes
// without a commit, or when the process is interrupted or terminated.
class OutputFile {
  public:
    // Writes to standard output.
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Starts the file `path` ("-" is standard output). False, with the
    // reason in `error`, when the temporary file cannot be created.
    bool Open(const std::string& path, std::string& error);

    // The buffer to append text to; call Drain() after each piece.
    std::string& Buffer() { return buffer_; }
    // Writes the buffer out once it is large.
    void Drain() {
        if (buffer_.size() >= kDrainBytes) WriteBuffer();
    }

    // Writes out the rest and, for a named file, puts it in place. False,
    // with the reason in `error`, when any write failed (the named file is
    // then left as it was).
    bool Commit(std::string& error);

  private:
    static constexpr std::size_t kDrainBytes = 1 << 16;
    void WriteBuffer();
    void Discard();

    int fd_ = 1;
    std::string path_;  // empty for standard output
    std::string temp_;  // the temporary file while it exists
    std::string buffer_;
    int writeErrno_ = 0;  // the first failed write's error
};

}  // namespace zeph::batch
