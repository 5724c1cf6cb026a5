#include "TextFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {

namespace {

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

std::string BaseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path leads to through symbolic links, also when it does not exist yet. A loop of links ends in
// the last name reached, which the write then refuses.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::array<char, 4096> target{};
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n <= 0) {
            return path;
        }
        const std::string to(target.data(), static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return path;
}

// The temporaries of one file share a short prefix made from its name, so that even a file of the longest name
// the system allows can be saved, and a later save finds what a killed one left: ".velmar-HHHHHHHH-PID.tmp".
std::string TempPrefix(const std::string& base) {
    std::uint32_t hash = 2166136261u; // FNV-1a: stable across runs and builds
    for (const char ch : base) {
        hash = (hash ^ static_cast<unsigned char>(ch)) * 16777619u;
    }
    char text[32];
    std::snprintf(text, sizeof text, ".velmar-%08x-", hash);
    return text;
}

bool ProcessGone(const std::string& digits) {
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    return ::kill(static_cast<pid_t>(std::stol(digits)), 0) != 0 && errno == ESRCH;
}

// Removes what saves of `base` in `folder` left behind when they were killed: temporaries of the writer whose
// process no longer runs, of today's pattern and of the longer one earlier versions used
// (".NAME.tmp-PID-N").
void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) {
        return;
    }
    const std::string prefix = TempPrefix(base);
    const std::string oldPrefix = "." + base + ".tmp-";
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        std::string pid;
        if (name.starts_with(prefix) && name.ends_with(".tmp")) {
            pid = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        } else if (name.starts_with(oldPrefix)) {
            const std::string rest = name.substr(oldPrefix.size());
            pid = rest.substr(0, rest.find('-'));
        }
        if (ProcessGone(pid)) {
            ::unlinkat(::dirfd(d), name.c_str(), 0);
        }
    }
    ::closedir(d);
}

// Creates a fresh temporary file beside `target`; -1 with errno when it cannot.
int CreateTemporary(const std::string& target, std::string* temp) {
    static thread_local std::minstd_rand rng(std::random_device{}());
    const std::string stem = FolderOf(target) + "/" + TempPrefix(BaseOf(target)) + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        // The first name is the plain one that RemoveStaleTemporaries knows; another save of this file in the
        // same process at the same time takes a numbered one.
        *temp = attempt == 0 ? stem + ".tmp" : stem + "-" + std::to_string(rng() % 100000) + ".tmp";
        const int fd = ::open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& path) {
    // A rename lasts only once the folder is on disk; a failure here leaves the new content in place, so it is
    // no reason to report failure.
    Fd folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
}

bool PWriteAll(int fd, std::string_view text) {
    for (off_t at = 0; !text.empty();) {
        const ssize_t n = ::pwrite(fd, text.data(), text.size(), at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

// The content written over the file itself: its owner, mode and links stay, at the price of atomicity. Nothing
// is cut before the new content is all there: it goes over the old from the start and the file is shortened
// after. On a failure the old content goes back; its blocks are the file's already, so a full disk cannot refuse
// them.
bool RewriteInPlace(const std::string& target, std::string_view text, int* err) {
    Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (fd.get() < 0) {
        *err = errno;
        return false;
    }
    std::string old;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::pread(fd.get(), buffer, sizeof buffer, static_cast<off_t>(old.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            *err = errno;
            return false;
        }
        if (n == 0) {
            break;
        }
        old.append(buffer, static_cast<std::size_t>(n));
    }
    if (!PWriteAll(fd.get(), text) || ::ftruncate(fd.get(), static_cast<off_t>(text.size())) != 0 ||
        ::fsync(fd.get()) != 0) {
        *err = errno;
        PWriteAll(fd.get(), old);
        [[maybe_unused]] const int cut = ::ftruncate(fd.get(), static_cast<off_t>(old.size()));
        ::fsync(fd.get());
        return false;
    }
    if (fd.Close() != 0) {
        *err = errno;
        return false;
    }
    return true;
}

} // namespace

bool ReadTextFile(const std::string& path, std::string* text, FileFailure* error, std::size_t maxBytes) {
    const auto refuse = [&](FileProblem problem, int err) {
        *error = {};
        error->path = path;
        error->step = FileStep::Read;
        error->problem = problem;
        error->err = err;
        error->limit = maxBytes;
        return false;
    };
    const auto fail = [&](int err) { return refuse(FileProblem::System, err); };
    const auto tooLarge = [&] { return refuse(FileProblem::TooLarge, 0); };
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
        return refuse(FileProblem::NotRegular, 0);
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        return tooLarge();
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
        // A file that grows while it is read is held to the limit as well.
        if (content.size() > maxBytes) {
            return tooLarge();
        }
    }
    *text = std::move(content);
    return true;
}

namespace {

// A write refused: `folder` is where no temporary file could be made, for NoTemporaryFile.
bool WriteRefused(FileFailure* error, const std::string& path, FileProblem problem, int err,
                  const std::string& folder = {}) {
    *error = {};
    error->path = path;
    error->step = FileStep::Write;
    error->problem = problem;
    error->err = err;
    error->folder = folder;
    return false;
}

} // namespace

bool WriteTextFileAtomic(const std::string& path, std::string_view text, FileFailure* error,
                         const std::string& source) {
    const auto fail = [&](FileProblem problem, int err) { return WriteRefused(error, path, problem, err); };
    const std::string target = FollowLinks(path);

    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    struct stat from {};
    if (replacing && !source.empty() && ::stat(source.c_str(), &from) == 0 && from.st_dev == old.st_dev &&
        from.st_ino == old.st_ino) {
        WriteRefused(error, path, FileProblem::IsTheSource, 0);
        error->source = source;
        return false;
    }
    if (replacing && S_ISDIR(old.st_mode)) {
        return fail(FileProblem::System, EISDIR);
    }
    if (replacing && !S_ISREG(old.st_mode)) {
        return fail(S_ISLNK(old.st_mode) ? FileProblem::TooManyLinks : FileProblem::NotRegular, 0);
    }
    if (replacing && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        // rename() would replace a file we may not write whenever the folder is ours: ask the file itself.
        // access() tells a read-only file system (EROFS) from a file we may not write (EACCES).
        return (old.st_mode & 0222) == 0 ? fail(FileProblem::ReadOnly, 0) : fail(FileProblem::System, errno);
    }
    RemoveStaleTemporaries(FolderOf(target), BaseOf(target));

    std::string temp;
    Fd fd(CreateTemporary(target, &temp));
    if (fd.get() < 0) {
        int err = errno;
        if (replacing && (err == EACCES || err == EPERM)) {
            // The file may be written, its folder not: the file itself then, and what stopped that is the cause.
            return RewriteInPlace(target, text, &err) || fail(FileProblem::System, err);
        }
        return WriteRefused(error, path, FileProblem::NoTemporaryFile, err, FolderOf(target));
    }
    const auto failAndRemove = [&](int err) {
        ::unlink(temp.c_str());
        return fail(FileProblem::System, err);
    };
    if (replacing && old.st_uid != ::geteuid()) {
        // Keeping another user's file as theirs needs root; without it, write into the file itself.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            ::unlink(temp.c_str());
            int err = 0;
            return RewriteInPlace(target, text, &err) || fail(FileProblem::System, err);
        }
    } else if (replacing && old.st_gid != ::getegid()) {
        [[maybe_unused]] const int kept = ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: a change of owner clears set-id bits. The umask does not apply to fchmod.
    mode_t mode = old.st_mode & 07777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0644 & ~mask;
    }
    if (::fchmod(fd.get(), mode) != 0) {
        return failAndRemove(errno);
    }
    if (!WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0) {
        return failAndRemove(errno);
    }
    if (fd.Close() != 0) {
        return failAndRemove(errno);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return failAndRemove(errno);
    }
    SyncFolder(target);
    return true;
}

bool WriteNewTextFile(const std::string& path, std::string_view text, mode_t mode, FileFailure* error, bool* exists) {
    *exists = false;
    std::string temp;
    Fd fd(CreateTemporary(path, &temp));
    if (fd.get() < 0) {
        return WriteRefused(error, path, FileProblem::NoTemporaryFile, errno, FolderOf(path));
    }
    const auto failAndRemove = [&](int err) {
        ::unlink(temp.c_str());
        *exists = err == EEXIST;
        return WriteRefused(error, path, FileProblem::System, err);
    };
    if (::fchmod(fd.get(), mode) != 0 || !WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0) {
        return failAndRemove(errno);
    }
    if (fd.Close() != 0) {
        return failAndRemove(errno);
    }
    // A hard link is made only where no file of that name is: never a replacement.
    if (::link(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        struct stat st {};
        // File systems without hard links (FAT on a stick): look first, then rename.
        if (err != EPERM && err != EOPNOTSUPP) {
            return failAndRemove(err);
        }
        if (::lstat(path.c_str(), &st) == 0) {
            return failAndRemove(EEXIST);
        }
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            return failAndRemove(errno);
        }
        SyncFolder(path);
        return true;
    }
    ::unlink(temp.c_str());
    SyncFolder(path);
    return true;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileStamp{st.st_dev, st.st_ino,
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::int64_t>(st.st_size)};
}

} // namespace velmar
