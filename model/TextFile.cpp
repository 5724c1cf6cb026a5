#include "TextFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {

namespace {

std::string Why(int err) {
    return std::strerror(err);
}

// Closes on every path out, so an early return leaks no descriptor.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    // Closes now and reports the error close() gives: on some file systems a
    // failed write only shows there.
    int Close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A name no other writer in this or another process picks at the same time;
// O_EXCL still guards against a leftover of an earlier run.
std::string TempName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
}

} // namespace

bool ReadTextFile(const std::string& path, std::string* text, std::string* error) {
    const auto fail = [&](int err) {
        *error = path + ": cannot read: " + Why(err);
        return false;
    };
    // O_NONBLOCK so that a FIFO given by mistake is refused below instead of
    // blocking the caller.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return fail(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return fail(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return fail(EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        *error = path + ": cannot read: not a regular file";
        return false;
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    *text = std::move(content);
    return true;
}

bool WriteTextFileAtomic(const std::string& path, std::string_view text, std::string* error) {
    const auto fail = [&](const std::string& why) {
        *error = path + ": cannot write: " + why;
        return false;
    };

    struct stat target {};
    const bool replacing = ::stat(path.c_str(), &target) == 0;
    if (replacing && S_ISDIR(target.st_mode)) {
        return fail(Why(EISDIR));
    }

    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = TempName(path);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (raw < 0 && errno != EEXIST) {
            break;
        }
    }
    if (raw < 0) {
        return fail("cannot create a temporary file in " + FolderOf(path) + ": " + Why(errno));
    }
    Fd fd(raw);
    const auto failAndRemove = [&](int err) {
        ::unlink(temp.c_str());
        return fail(Why(err));
    };

    // 07777 keeps set-id and sticky bits as well; the umask does not apply to fchmod.
    if (replacing && ::fchmod(fd.get(), target.st_mode & 07777) != 0) {
        return failAndRemove(errno);
    }
    if (!WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0) {
        return failAndRemove(errno);
    }
    if (fd.Close() != 0) {
        return failAndRemove(errno);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        return failAndRemove(errno);
    }
    // The rename itself lasts only once the folder is on disk; a failure here
    // leaves the new content in place, so it is no reason to report failure.
    Fd folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return true;
}

} // namespace velmar
