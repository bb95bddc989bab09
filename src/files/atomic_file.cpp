#include "files/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/error.h"
#include "files/code_page.h"

namespace bravik {

namespace {

std::optional<std::size_t> g_failAfter;

[[noreturn]] void Fail(int err, const std::string& tmp, const std::string& path) {
    if (!tmp.empty()) ::unlink(tmp.c_str());
    throw BravikError(std::strerror(err), path);
}

// Permissions of the written file: those of the file it replaces, or what a
// newly created file gets under the process's umask.
mode_t TargetMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable; a folder that cannot be opened or
// flushed (some file systems refuse) does not undo a write that succeeded.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void InjectWriteFailureAfter(std::optional<std::size_t> bytes) { g_failAfter = bytes; }

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    // A hidden sibling named after the target; long names are shortened so
    // that the temporary name stays within the file system's limit.
    const std::string base = target.filename().string().substr(0, 200);
    std::string tmp = (folder / ("." + base + ".XXXXXX")).string();

    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) Fail(errno, {}, path);
    ::fchmod(fd, TargetMode(path));

    std::size_t written = 0;
    while (written < bytes.size()) {
        std::size_t chunk = bytes.size() - written;
        if (g_failAfter) {
            if (written >= *g_failAfter) {
                ::close(fd);
                Fail(ENOSPC, tmp, path);
            }
            chunk = std::min(chunk, *g_failAfter - written);
        }
        const ssize_t n = ::write(fd, bytes.data() + written, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            Fail(err, tmp, path);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        Fail(err, tmp, path);
    }
    if (::close(fd) != 0) Fail(errno, tmp, path);
    if (std::rename(tmp.c_str(), path.c_str()) != 0) Fail(errno, tmp, path);
    SyncFolder(folder);
}

void TextFileWriter::Line(std::string_view utf8) {
    bytes_ += ToWindows1252(utf8);
    bytes_ += "\r\n";
}

void TextFileWriter::Raw(std::string_view utf8) { bytes_ += ToWindows1252(utf8); }

}  // namespace bravik
