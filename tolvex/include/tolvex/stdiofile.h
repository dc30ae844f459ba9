#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tolvex/tolvex_export.h"

// A buffered text file for reading, or for writing that never leaves a file
// half-written. Text is UTF-8 with '\n' line ends, written byte for byte
// (no byte-order mark, no translation, no dependence on the locale).
//
// The writing modes work on a temporary file in the target's folder: an
// unnamed one where the system has them, so that a killed program leaves
// nothing behind, else one of a short name. Close names it and renames it
// over the target only when every write, the flush to disk and the close
// succeeded. A symbolic link as target stays a link: the file it points to
// gets the contents. A failed write makes Close fail; a failed Close, like
// an object dropped or reopened without Close, removes the temporary file
// and leaves any earlier file of that name exactly as it was. A replaced
// file keeps its permission bits.
//
// Every failure is kept: GetError() is the reason ("No space left on
// device") and GetErrorMessage() a sentence naming the file and the reason,
// for the caller to show. This class shows nothing itself.
class TOLVEX_API CStdioFile {
  public:
    enum class Mode {
        Read,       // an existing file, read from the start
        Overwrite,  // the file's new contents replace the old on Close
        Append,     // the old contents, then what is written, on Close
    };

    CStdioFile();
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Opens path (an open file is first dropped as by the destructor).
    // False, with the reason kept, when the file cannot be read (Read) or its
    // temporary file cannot be made beside it (Overwrite, Append: a missing
    // or read-only folder, a folder of that name, an unreadable old file).
    bool Open(const std::string& path, Mode mode);
    bool IsOpen() const { return m_fd >= 0; }
    // The path given to Open.
    const std::string& GetFilePath() const { return m_path; }

    // Reads the next line without its '\n' (a '\r' before it is dropped too,
    // and a byte-order mark at the start of the file). False at the end of
    // the file, after an error (GetError() not empty) and when not reading.
    bool ReadString(std::string& line);

    // Writes text or bytes as they are. False when not open for writing or
    // after an earlier failure; the failure then also fails Close.
    bool WriteString(std::string_view text);
    bool Write(const void* data, std::size_t size);

    // Ends the file. Writing modes commit the new contents under the path;
    // false (reason kept, old file unchanged, temporary file removed) when
    // any write or the commit failed. True after reading and when nothing
    // was open.
    bool Close();

    // Why the last Open, ReadString, Write or Close failed; empty when none
    // did since Open.
    const std::string& GetError() const { return m_error; }
    // "Can not save /path/ZephData.txt (No space left on device). An
    // existing file of that name is unchanged." (writing), or "Can not read
    // /path/ZephData.txt (Permission denied)." (reading); empty without an
    // error.
    std::string GetErrorMessage() const;

  private:
    bool Fail(int error);
    bool Flush();
    void Discard();

    std::string m_path;
    std::string m_target;    // m_path with its symbolic links followed
    std::string m_tempPath;  // writing modes: the named file being written
    bool m_unnamed = false;  // writing to an unnamed file, named on Close
    bool m_writing = false;  // the last Open was in a writing mode
    int m_fd = -1;
    std::string m_buffer;  // unwritten output, or unread input
    std::size_t m_readPos = 0;
    bool m_atStart = true;
    bool m_eof = false;
    std::string m_error;
};
