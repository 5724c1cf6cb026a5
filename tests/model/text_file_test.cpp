#include "FileFailurePrint.h"
#include "TextFile.h"
#include "file_test_support.h"

#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

namespace velmar {
namespace {

namespace fs = std::filesystem;

class TextFile : public ScratchFolder {
protected:
    std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
    std::string Read(const std::string& path) {
        std::string text;
        FileFailure error;
        EXPECT_TRUE(ReadTextFile(path, &text, &error, 1 << 20)) << error;
        return text;
    }
};

TEST_F(TextFile, ReplacesTheWholeFileAndKeepsItsModeAndItsLink) {
    const std::string path = dir + "/keep.txt";
    FileFailure error;
    ASSERT_TRUE(WriteTextFileAtomic(path, "old", &error)) << error;
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    std::string content(200000, 'x'); // longer than one read, with a NUL inside
    content[1000] = '\0';
    ASSERT_TRUE(WriteTextFileAtomic(path, content, &error)) << error;
    EXPECT_EQ(Read(path), content);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    const mode_t old = ::umask(027);
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/new.txt", "n", &error)) << error;
    ::umask(old);
    EXPECT_EQ(fs::status(dir + "/new.txt").permissions(), fs::perms(0640));
    // Saved through a link: the link stays and leads to the new content.
    fs::create_symlink("keep.txt", dir + "/link.txt");
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/link.txt", "through", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir + "/link.txt"));
    EXPECT_EQ(Read(path), "through");
    // A name as long as the system allows still has room for its temporary file.
    const std::string longest = dir + "/" + std::string(250, 'n') + ".txt";
    EXPECT_TRUE(WriteTextFileAtomic(longest, "long", &error)) << error;
    EXPECT_EQ(Entries(), 4u);
}

TEST_F(TextFile, ReadsOnlyRegularFilesUpToTheLimit) {
    std::string text = "kept";
    FileFailure error;
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/big", std::string(2000, 'b'), &error));
    const std::pair<std::string, FileProblem> kCases[] = {
        {"/fifo", FileProblem::NotRegular}, {"/big", FileProblem::TooLarge}, {"/none", FileProblem::System}};
    for (const auto& [name, why] : kCases) {
        EXPECT_FALSE(ReadTextFile(dir + name, &text, &error, 1024));
        EXPECT_TRUE(error.path == dir + name && error.step == FileStep::Read && error.problem == why) << error;
    }
    EXPECT_EQ(error.err, ENOENT);
    EXPECT_FALSE(ReadTextFile("/dev/zero", &text, &error, 1024));
    EXPECT_EQ(text, "kept");
}

// Each way holds for root as well, who may write into any folder.
TEST_F(TextFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    const struct {
        const char* target;
        std::function<void(const rlimit&)> limit;
        FileProblem problem;
        int err;
    } kCases[] = {
        {"/none/old.txt", nullptr, FileProblem::NoTemporaryFile, ENOENT},
        {"/sub", nullptr, FileProblem::System, EISDIR},
        // A file size limit fails the write as a full disk would.
        {"/old.txt", [](const rlimit& r) { ::setrlimit(RLIMIT_FSIZE, &r); }, FileProblem::System, EFBIG},
        {"/readonly.txt", nullptr, FileProblem::ReadOnly, 0},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    FileFailure error;
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/old.txt", "old content\n", &error)) << error;
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/readonly.txt", "old content\n", &error)) << error;
    ::chmod((dir + "/readonly.txt").c_str(), 0444);
    fs::create_directory(dir + "/sub");
    for (const auto& c : kCases) {
        if (c.limit) {
            c.limit(small);
        }
        const bool written = WriteTextFileAtomic(dir + c.target, std::string(1000, 'n'), &error);
        if (c.limit) {
            c.limit(saved);
        }
        EXPECT_FALSE(written) << c.target;
        EXPECT_TRUE(error.path == dir + c.target && error.step == FileStep::Write && error.problem == c.problem &&
                    error.err == c.err)
            << error;
        EXPECT_EQ(Read(dir + "/old.txt"), "old content\n") << c.target;
        EXPECT_EQ(Read(dir + "/readonly.txt"), "old content\n") << c.target;
        EXPECT_EQ(Entries(), 3u) << c.target;
        EXPECT_TRUE(fs::is_empty(dir + "/sub")) << c.target;
    }
}

// A save killed halfway leaves its temporary file; the next save of that file clears it away.
TEST_F(TextFile, TheNextSaveRemovesWhatAKilledOneLeft) {
    const std::string path = dir + "/club.velmar";
    FileFailure error;
    ASSERT_TRUE(WriteTextFileAtomic(path, "old", &error)) << error;
    const pid_t child = ::fork();
    if (child == 0) {
        // Killed while writing: a size limit stops it inside the write with SIGXFSZ.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &small);
        FileFailure unused;
        WriteTextFileAtomic(path, std::string(100, 'x'), &unused);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::ofstream(dir + "/.club.velmar.tmp-" + std::to_string(child) + "-0") << "an earlier Velmar's";
    ASSERT_EQ(Entries(), 3u);
    ASSERT_TRUE(WriteTextFileAtomic(path, "new", &error)) << error;
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(Read(path), "new");
}

// Root saving a user's file leaves it theirs; a user may not replace a file that is not theirs to write.
TEST_F(TextFile, SavingKeepsTheOwnerAndRefusesWhatTheUserMayNotWrite) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to make files of two owners";
    }
    constexpr uid_t kNobody = 65534;
    const std::string theirs = dir + "/theirs.velmar", roots = dir + "/roots.velmar";
    FileFailure error;
    ASSERT_TRUE(WriteTextFileAtomic(theirs, "old", &error) && WriteTextFileAtomic(roots, "root's", &error));
    ASSERT_EQ(::chown(theirs.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);
    ASSERT_TRUE(WriteTextFileAtomic(theirs, "by root", &error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNobody);

    const pid_t child = ::fork();
    if (child == 0) {
        FileFailure why;
        const bool refused = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
                             !WriteTextFileAtomic(roots, "by nobody", &why) && why.err == EACCES;
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Read(roots), "root's");
}

// A file that may be written in a folder that may not: a failed write puts the old content back, whole, and
// names its cause; a good one leaves exactly the new content. As root the folder is closed by dropping to nobody.
TEST_F(TextFile, AFileRewrittenInPlaceIsNeverLeftCut) {
    constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    const std::string folder = dir + "/closed", path = folder + "/club.velmar", old(50, 'o');
    fs::create_directory(folder);
    std::ofstream(path) << old;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
    }
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(10);
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{100, limit.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
        FileFailure why;
        // Like a full disk: the new content does not fit.
        if (WriteTextFileAtomic(path, std::string(1000, 'n'), &why) || why.problem != FileProblem::System ||
            why.err != EFBIG) {
            ::_exit(11);
        }
        std::ifstream in(path);
        const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (after != old) {
            ::_exit(12);
        }
        ::_exit(WriteTextFileAtomic(path, "short", &why) ? 0 : 13);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << WEXITSTATUS(status);
    EXPECT_EQ(Read(path), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// A file on a read-only mount is refused for that reason, not as one the user may not write.
TEST_F(TextFile, AReadOnlyMountIsSaidAsSuch) {
    const std::string mount = dir + "/mount", path = mount + "/club.velmar";
    fs::create_directory(mount);
    if (::mount("tmpfs", mount.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    }
    std::ofstream(path) << "old";
    ASSERT_EQ(::mount("tmpfs", mount.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    FileFailure why;
    EXPECT_FALSE(WriteTextFileAtomic(path, "new", &why));
    EXPECT_EQ(why.err, EROFS) << why;
    EXPECT_EQ(Read(path), "old");
    ::umount(mount.c_str());
}

} // namespace
} // namespace velmar
