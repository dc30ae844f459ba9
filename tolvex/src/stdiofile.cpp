#include "tolvex/stdiofile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

// Output is handed to the system in pieces of this size; input is read so.
constexpr std::size_t kChunk = 64 * 1024;

// The system's English description of an error, whatever the locale.
std::string ErrorText(int error) {
    if (const char* text = strerrordesc_np(error)) return text;
    return "error " + std::to_string(error);
}

// Retries a system call interrupted by a signal.
template <class Call>
auto Retry(Call call) {
    for (;;) {
        auto result = call();
        if (result >= 0 || errno != EINTR) return result;
    }
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = Retry([&] { return ::write(fd, data, size); });
        if (n < 0) return false;
        // A write that takes nothing would never finish.
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The folder of path, without its final '/'; "." for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// "<folder>/.~<random>.tmp" beside path: short whatever the target's name,
// so that a target whose name is as long as the folder allows can still be
// written.
std::string TemporaryName(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    char name[20];
    std::snprintf(name, sizeof name, "/.~%08x.tmp", static_cast<unsigned>(random() & 0xffffffffu));
    return FolderOf(path) + name;
}

// Creates a new file of a temporary name beside path with the permissions a
// new file gets from the umask; -1 (errno set) on failure.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = TemporaryName(path);
        const int fd = Retry([&] {
            return ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The file path names after following symbolic links, so that a link is
// written through and stays a link; a link to a missing file names the file
// to create. ELOOP past 40 links, as the system counts.
bool ResolveLinks(std::string& path) {
    for (int links = 0; links <= 40; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return true;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    errno = ELOOP;
    return false;
}

// Opens an unnamed file in path's folder, which vanishes with the process
// unless it is linked in: -1 with errno 0 where the system or the file
// system has no such files, -1 with errno set on a real failure.
int CreateUnnamed(const std::string& path) {
    // Naming it later goes through /proc.
    if (::access("/proc/self/fd", X_OK) != 0) {
        errno = 0;
        return -1;
    }
    const int fd =
        Retry([&] { return ::open(FolderOf(path).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666); });
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) errno = 0;
    return fd;
}

// Gives the unnamed file fd a short temporary name beside path.
bool LinkUnnamed(int fd, const std::string& path, std::string& tempPath) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = TemporaryName(path);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tempPath.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) break;
    }
    tempPath.clear();
    return false;
}

// Copies the whole of the file at fromFd to toFd.
bool CopyAll(int fromFd, int toFd) {
    std::string chunk(kChunk, '\0');
    for (;;) {
        const ssize_t n = Retry([&] { return ::read(fromFd, chunk.data(), chunk.size()); });
        if (n < 0) return false;
        if (n == 0) return true;
        if (!WriteAll(toFd, chunk.data(), static_cast<std::size_t>(n))) return false;
    }
}

// Makes a finished rename durable; a failure here loses nothing already
// written, so it is not reported.
void SyncFolderOf(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

CStdioFile::CStdioFile() = default;

CStdioFile::~CStdioFile() {
    Discard();
}

bool CStdioFile::Fail(int error) {
    m_error = ErrorText(error);
    return false;
}

void CStdioFile::Discard() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_tempPath.empty()) ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
    m_unnamed = false;
    m_buffer.clear();
    m_readPos = 0;
}

bool CStdioFile::Open(const std::string& path, Mode mode) {
    Discard();
    m_path = path;
    m_writing = mode != Mode::Read;
    m_atStart = true;
    m_eof = false;
    m_error.clear();
    if (path.empty()) return Fail(ENOENT);

    if (path.back() == '/') return Fail(EISDIR);
    m_target = path;
    if (m_writing && !ResolveLinks(m_target)) return Fail(errno);
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return Fail(EISDIR);

    if (!m_writing) {
        m_fd = Retry([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); });
        return m_fd >= 0 || Fail(errno);
    }

    // A file the user may not change is not replaced behind its back.
    if (exists && ::access(m_target.c_str(), W_OK) != 0) return Fail(errno);
    // An old file to append to must be readable before anything is made.
    int oldFd = -1;
    if (mode == Mode::Append && exists) {
        oldFd = Retry([&] { return ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC); });
        if (oldFd < 0) return Fail(errno);
    }
    // An unnamed file leaves nothing behind if the program is killed; a
    // named one where the system cannot make those.
    m_fd = CreateUnnamed(m_target);
    m_unnamed = m_fd >= 0;
    if (m_fd < 0 && errno == 0) m_fd = CreateTemporary(m_target, m_tempPath);
    if (m_fd < 0) {
        const int error = errno;
        m_tempPath.clear();
        if (oldFd >= 0) ::close(oldFd);
        return Fail(error);
    }
    // A replaced file keeps its permissions; where the file system cannot
    // change them the umask's stay, which loses no data.
    if (exists) ::fchmod(m_fd, old.st_mode & 07777);
    if (oldFd >= 0) {
        const bool copied = CopyAll(oldFd, m_fd);
        const int error = errno;
        ::close(oldFd);
        if (!copied) {
            Discard();
            return Fail(error);
        }
    }
    return true;
}

bool CStdioFile::ReadString(std::string& line) {
    if (m_fd < 0 || m_writing || !m_error.empty()) return false;
    for (;;) {
        const std::size_t end = m_buffer.find('\n', m_readPos);
        if (end != std::string::npos || (m_eof && m_readPos < m_buffer.size())) {
            const std::size_t stop = end == std::string::npos ? m_buffer.size() : end;
            line.assign(m_buffer, m_readPos, stop - m_readPos);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            m_readPos = end == std::string::npos ? m_buffer.size() : end + 1;
            return true;
        }
        if (m_eof) return false;
        m_buffer.erase(0, m_readPos);
        m_readPos = 0;
        const std::size_t kept = m_buffer.size();
        m_buffer.resize(kept + kChunk);
        const ssize_t n = Retry([&] { return ::read(m_fd, m_buffer.data() + kept, kChunk); });
        m_buffer.resize(kept + (n > 0 ? static_cast<std::size_t>(n) : 0));
        if (n < 0) return Fail(errno);
        if (n == 0) m_eof = true;
        if (m_atStart && (m_buffer.size() >= 3 || m_eof)) {
            m_atStart = false;
            if (m_buffer.starts_with("\xEF\xBB\xBF")) m_readPos = 3;
        }
    }
}

bool CStdioFile::WriteString(std::string_view text) {
    return Write(text.data(), text.size());
}

bool CStdioFile::Write(const void* data, std::size_t size) {
    if (m_fd < 0 || !m_writing || !m_error.empty()) return false;
    m_buffer.append(static_cast<const char*>(data), size);
    return m_buffer.size() < kChunk || Flush();
}

bool CStdioFile::Flush() {
    const bool ok = WriteAll(m_fd, m_buffer.data(), m_buffer.size());
    const int error = errno;
    m_buffer.clear();
    return ok || Fail(error);
}

bool CStdioFile::Close() {
    if (m_fd < 0) return true;
    if (!m_writing) {
        Discard();
        return true;
    }
    bool ok = m_error.empty() && Flush();
    // Some file systems cannot sync (EINVAL); the rename is then as durable
    // as they allow.
    if (ok && Retry([&] { return ::fsync(m_fd); }) != 0 && errno != EINVAL) ok = Fail(errno);
    if (ok && m_unnamed && !LinkUnnamed(m_fd, m_target, m_tempPath)) ok = Fail(errno);
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (ok && closed != 0) ok = Fail(errno);
    if (ok && ::rename(m_tempPath.c_str(), m_target.c_str()) != 0) ok = Fail(errno);
    if (ok) {
        m_tempPath.clear();
        SyncFolderOf(m_target);
    }
    Discard();
    return ok;
}

std::string CStdioFile::GetErrorMessage() const {
    if (m_error.empty()) return {};
    if (m_writing) {
        return "Can not save " + m_path + " (" + m_error +
               "). An existing file of that name is unchanged.";
    }
    return "Can not read " + m_path + " (" + m_error + ").";
}
