#include "outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace zeph::batch {
namespace {

// The temporary file's name for the signal handler, which may only make
// async-signal-safe calls; empty when there is none.
char g_tempPath[4096];
constexpr int kGuardedSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTempAndDie(int signal) {
    if (g_tempPath[0] != '\0') unlink(g_tempPath);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void GuardTemp(const std::string& temp) {
    if (temp.size() >= sizeof g_tempPath) return;
    std::memcpy(g_tempPath, temp.c_str(), temp.size() + 1);
    for (const int signal : kGuardedSignals) {
        std::signal(signal, RemoveTempAndDie);
    }
}

void UnguardTemp() {
    for (const int signal : kGuardedSignals) std::signal(signal, SIG_DFL);
    g_tempPath[0] = '\0';
}

// Permissions for a new file: those of the file it replaces, or what the
// umask leaves of rw-rw-rw-.
mode_t NewFileMode(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputFile::~OutputFile() {
    Discard();
}

bool OutputFile::Open(const std::string& path, std::string& error) {
    if (path == "-") return true;
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        error = "cannot create a file beside " + path + ": " + std::strerror(errno);
        return false;
    }
    fchmod(fd, NewFileMode(path));
    fd_ = fd;
    path_ = path;
    temp_ = temp;
    GuardTemp(temp_);
    return true;
}

void OutputFile::WriteBuffer() {
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0 && writeErrno_ == 0) {
        const ssize_t n = write(fd_, data, left);
        if (n < 0) {
            if (errno != EINTR) writeErrno_ = errno;
            continue;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

void OutputFile::Discard() {
    if (temp_.empty()) return;
    close(fd_);
    unlink(temp_.c_str());
    UnguardTemp();
    temp_.clear();
    fd_ = -1;
}

bool OutputFile::Commit(std::string& error) {
    WriteBuffer();
    const std::string shown = path_.empty() ? std::string("standard output") : path_;
    if (writeErrno_ == 0 && !temp_.empty() && fsync(fd_) != 0) writeErrno_ = errno;
    if (writeErrno_ != 0) {
        error = "cannot write " + shown + ": " + std::strerror(writeErrno_);
        Discard();
        return false;
    }
    if (temp_.empty()) return true;
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0 || std::rename(temp_.c_str(), path_.c_str()) != 0) {
        error = "cannot write " + shown + ": " + std::strerror(errno);
        unlink(temp_.c_str());
        UnguardTemp();
        temp_.clear();
        return false;
    }
    UnguardTemp();
    temp_.clear();
    return true;
}

}  // namespace zeph::batch
