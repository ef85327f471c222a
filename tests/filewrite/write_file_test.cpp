#include "filewrite/write_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>

#include "tests/support/test_files.h"

namespace lorvex {
namespace {

namespace fs = std::filesystem;

using namespace test_support;

class WriteFileTest : public testing::Test {
protected:
    std::string path(const char* name) const { return folder_.file(name); }

    const TempFolder folder_;
};

TEST_F(WriteFileTest, CreatesAndReplacesWithoutLeftovers) {
    const std::string target = path("07_0002.txt");
    ASSERT_TRUE(!writeFile(target, "first"));
    ASSERT_TRUE(!writeFile(target, "second"));
    EXPECT_EQ(readBytes(target), "second");
    EXPECT_EQ(folder_.entries(), 1u);
}

TEST_F(WriteFileTest, ReplacedFileKeepsItsPermissions) {
    const std::string target = path("report");
    writeBytes(target, "old");
    ::chmod(target.c_str(), 0640);
    ASSERT_FALSE(writeFile(target, "new"));
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(WriteFileTest, DirectoryTargetFailsAndStays) {
    fs::create_directory(path("ordner"));
    EXPECT_EQ(writeFile(path("ordner"), "x"), WriteError(EISDIR));
    EXPECT_TRUE(fs::is_directory(path("ordner")));
}

TEST_F(WriteFileTest, MissingFolderFails) {
    EXPECT_EQ(writeFile(path("fehlt/report.txt"), "x"), WriteError(ENOENT));
}

// Targets that are no regular file of their own: written into as they are, never replaced.
struct DirectCase {
    const char* name;
    bool throughLink;
    std::string (*make)(const std::string& path);  // the target, made at `path` where needed
    mode_t type;
};

class DirectTargetTest : public WriteFileTest, public testing::WithParamInterface<DirectCase> {};

TEST_P(DirectTargetTest, IsWrittenIntoAndKept) {
    std::string target = GetParam().make(path("target"));
    if (GetParam().throughLink) {
        fs::create_symlink(target, path("link"));
        target = path("link");
    }
    // A reader waiting on the FIFO; for the others it stays unused.
    const int reader = ::open(path("target").c_str(), O_RDONLY | O_NONBLOCK);
    const WriteError error = writeFile(target, "report");
    EXPECT_FALSE(error) << error.number();
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IFMT, GetParam().type);
    EXPECT_EQ(fs::is_symlink(target), GetParam().throughLink);
    if (GetParam().type == S_IFIFO) {
        char bytes[16] = {};
        EXPECT_EQ(::read(reader, bytes, sizeof bytes), 6);
    }
    if (reader >= 0) ::close(reader);
}

std::string devNull(const std::string&) {
    return "/dev/null";
}
std::string fifo(const std::string& path) {
    ::mkfifo(path.c_str(), 0600);
    return path;
}

INSTANTIATE_TEST_SUITE_P(Targets, DirectTargetTest,
                         testing::Values(DirectCase{"CharacterDevice", false, devNull, S_IFCHR},
                                         DirectCase{"LinkToCharacterDevice", true, devNull,
                                                    S_IFCHR},
                                         DirectCase{"Fifo", false, fifo, S_IFIFO},
                                         DirectCase{"LinkToFifo", true, fifo, S_IFIFO}),
                         [](const auto& info) { return info.param.name; });

TEST_F(WriteFileTest, LinkStaysAndTheFileItLeadsToIsReplaced) {
    writeBytes(path("real.txt"), "old");
    fs::create_symlink("real.txt", path("link.txt"));
    fs::create_symlink("new.txt", path("dangling.txt"));
    ASSERT_FALSE(writeFile(path("link.txt"), "new"));
    ASSERT_FALSE(writeFile(path("dangling.txt"), "made"));
    EXPECT_TRUE(fs::is_symlink(path("link.txt")));
    EXPECT_EQ(readBytes(path("real.txt")), "new");
    EXPECT_TRUE(fs::is_symlink(path("dangling.txt")));
    EXPECT_EQ(readBytes(path("new.txt")), "made");
    EXPECT_EQ(folder_.entries(), 4u);
}

TEST_F(WriteFileTest, UnwritableTargetIsKnownBeforeWriting) {
    fs::create_directory(path("ordner"));
    writeBytes(path("plain"), "x");
    EXPECT_EQ(writeTargetProblem(path("fehlt/report.txt")), WriteError(ENOENT));
    EXPECT_EQ(writeTargetProblem(path("ordner")), WriteError(EISDIR));
    EXPECT_EQ(writeTargetProblem(path("plain/report.txt")), WriteError(ENOTDIR));
    EXPECT_EQ(writeTargetProblem(path("neu.txt")), WriteError());
    EXPECT_EQ(writeTargetProblem("/dev/null"), WriteError());
    EXPECT_EQ(folder_.entries(), 2u);
}

// Root may write anywhere, so these run in a child process that gives up root's rights first.
class WriteFileDeathTest : public WriteFileTest {};

// A plain `>` writes there; so does writeFile, in place.
TEST_F(WriteFileDeathTest, ReadOnlyFolderTakesNoNewFileButTheOldOneIsWrittenInPlace) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    handToUnprivilegedUser(folder_.path());
    fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EXIT(
        {
            dropRootRights();
            const bool inPlace = !writeTargetProblem(target) && !writeFile(target, "new") &&
                                 readBytes(target) == "new";
            const bool noNewFile = writeFile(path("neu.txt"), "x") == WriteError(EACCES) &&
                                   writeTargetProblem(path("neu.txt")) == WriteError(EACCES);
            std::_Exit(inPlace && noNewFile ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(WriteFileDeathTest, WriteProtectedFileIsNotReplaced) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    ::chmod(target.c_str(), 0444);
    handToUnprivilegedUser(folder_.path());
    EXPECT_EXIT(
        {
            dropRootRights();
            const WriteError error = writeFile(target, "new");
            std::_Exit(error == WriteError(EACCES) && readBytes(target) == "old" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

ino_t inodeOf(const std::string& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_ino;
}

// The program's own descriptors are written through, appending where they append; the file
// behind them is never replaced.
TEST_F(WriteFileTest, OwnDescriptorIsWrittenThroughAndKept) {
    const std::string log = path("log.txt");
    writeBytes(log, "week 1\n");
    const ino_t inode = inodeOf(log);
    const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const std::string number = std::to_string(fd);
    for (const std::string& name : {"/proc/self/fd/" + number, "/dev/fd/" + number}) {
        EXPECT_FALSE(writeFile(name, "week 2\n")) << name;
    }
    ::close(fd);
    EXPECT_EQ(readBytes(log), "week 1\nweek 2\nweek 2\n");
    EXPECT_EQ(inodeOf(log), inode);
    EXPECT_EQ(folder_.entries(), 1u);
}

// Another hard link would keep the old bytes after a rename: both names get the new ones.
TEST_F(WriteFileTest, HardLinkedFileIsWrittenInPlace) {
    writeBytes(path("a.txt"), "old old old");
    fs::create_hard_link(path("a.txt"), path("b.txt"));
    ASSERT_FALSE(writeFile(path("a.txt"), "new"));
    EXPECT_EQ(readBytes(path("b.txt")), "new");
    EXPECT_EQ(folder_.entries(), 2u);
}

TEST_F(WriteFileTest, ReplacedFileKeepsItsExtendedAttributes) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    if (::setxattr(target.c_str(), "user.lorvex", "team", 4, 0) != 0) {
        GTEST_SKIP() << "no user attributes here";
    }
    ASSERT_FALSE(writeFile(target, "new"));
    char value[8] = {};
    EXPECT_EQ(::getxattr(target.c_str(), "user.lorvex", value, sizeof value), 4);
    EXPECT_EQ(std::string(value), "team");
}

// Opening must not wait for a reader that never comes.
TEST_F(WriteFileTest, FifoWithoutReaderFailsAtOnce) {
    ::mkfifo(path("fifo").c_str(), 0600);
    EXPECT_EQ(writeFile(path("fifo"), "report"), WriteError(ENXIO));
}

// A signal that ends the program in the middle of a write still ends it, after the temporary
// file is gone.
class EndSignalTest : public WriteFileTest, public testing::WithParamInterface<int> {};

TEST_P(EndSignalTest, LeavesTheOldFileAndNothingElse) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    const int signal = GetParam();
    EXPECT_EXIT(
        {
            ::signal(signal, SIG_DFL);
            writeFile(target, [signal](FileSink& sink) {
                if (const WriteError error = sink.write("half")) return error;
                ::raise(signal);
                return sink.write(std::string(2 * kChunkBytes, 'x'));
            });
            std::_Exit(0);
        },
        testing::KilledBySignal(signal), "");
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_EQ(folder_.entries(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Signals, EndSignalTest,
                         testing::Values(SIGINT, SIGTERM, SIGHUP, SIGALRM, SIGUSR1, SIGUSR2,
                                         SIGPIPE, SIGPROF, SIGABRT, SIGTRAP, SIGSYS, SIGSTKFLT,
                                         SIGRTMIN + 1),
                         [](const auto& info) {
                             const char* name = sigabbrev_np(info.param);
                             return std::string(name ? name : "RealTime");
                         });

// Root replacing a user's report leaves it the user's, with its mode.
TEST_F(WriteFileTest, ReplacedFileKeepsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    ::chown(target.c_str(), 65534, 65534);
    ::chmod(target.c_str(), 0640);
    ASSERT_FALSE(writeFile(target, "new"));
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace lorvex
