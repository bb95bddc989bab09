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

[[noreturn]] void Fail(int err, const std::string& tmp) {
    if (!tmp.empty()) ::unlink(tmp.c_str());
    throw BravikError(std::strerror(err));
}

}  // namespace

void InjectWriteFailureAfter(std::optional<std::size_t> bytes) { g_failAfter = bytes; }

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string tmp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) Fail(errno, {});
    ::fchmod(fd, 0644);

    std::size_t written = 0;
    while (written < bytes.size()) {
        std::size_t chunk = bytes.size() - written;
        if (g_failAfter) {
            if (written >= *g_failAfter) {
                ::close(fd);
                Fail(ENOSPC, tmp);
            }
            chunk = std::min(chunk, *g_failAfter - written);
        }
        const ssize_t n = ::write(fd, bytes.data() + written, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            Fail(err, tmp);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        Fail(err, tmp);
    }
    if (::close(fd) != 0) Fail(errno, tmp);
    if (std::rename(tmp.c_str(), path.c_str()) != 0) Fail(errno, tmp);
}

void TextFileWriter::Line(std::string_view utf8) {
    bytes_ += ToWindows1252(utf8);
    bytes_ += "\r\n";
}

void TextFileWriter::Raw(std::string_view utf8) { bytes_ += ToWindows1252(utf8); }

}  // namespace bravik
