#include "TextFile.h"
#include "file_test_support.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <functional>

namespace velmar {
namespace {

namespace fs = std::filesystem;

class TextFile : public ScratchFolder {
protected:
    std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(TextFile, ReplacesTheWholeFileAndKeepsItsMode) {
    const std::string path = dir + "/keep.txt";
    std::string error;
    ASSERT_TRUE(WriteTextFileAtomic(path, "old", &error)) << error;
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    std::string content(200000, 'x'); // longer than one read, with a NUL inside
    content[1000] = '\0';
    ASSERT_TRUE(WriteTextFileAtomic(path, content, &error)) << error;
    std::string back;
    ASSERT_TRUE(ReadTextFile(path, &back, &error)) << error;
    EXPECT_EQ(back, content);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    const mode_t old = ::umask(027);
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/new.txt", "n", &error)) << error;
    ::umask(old);
    EXPECT_EQ(fs::status(dir + "/new.txt").permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(), 2u);
}

// Each way holds for root as well, who may write into any folder.
TEST_F(TextFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    const struct {
        const char* target;
        std::function<void(const rlimit&)> limit;
        std::string why;
    } kCases[] = {
        {"/none/old.txt", nullptr, "cannot create a temporary file in " + dir + "/none: No such file or directory"},
        {"/sub", nullptr, "Is a directory"},
        // A file size limit fails the write as a full disk would.
        {"/old.txt", [](const rlimit& r) { ::setrlimit(RLIMIT_FSIZE, &r); }, "File too large"},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    std::string error;
    ASSERT_TRUE(WriteTextFileAtomic(dir + "/old.txt", "old content\n", &error)) << error;
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
        EXPECT_EQ(error, dir + c.target + ": cannot write: " + c.why);
        std::string old;
        ASSERT_TRUE(ReadTextFile(dir + "/old.txt", &old, &error));
        EXPECT_EQ(old, "old content\n") << c.target;
        EXPECT_EQ(Entries(), 2u) << c.target;
        EXPECT_TRUE(fs::is_empty(dir + "/sub")) << c.target;
    }
}

} // namespace
} // namespace velmar
