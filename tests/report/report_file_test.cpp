#include "report/report_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "report/report_stream.h"
#include "tests/support/test_files.h"

namespace lorvex {
namespace {

namespace fs = std::filesystem;

using namespace test_support;

class ReportFileTest : public testing::Test {
protected:
    std::string path(const char* name) const { return folder_.file(name); }

    const TempFolder folder_;
};

TEST(ReportBytes, EveryLineEndsWithCrLf) {
    const SystemTable system;
    const HitTable hits;
    const ReportData data{system, hits};
    const ReportWriter threeLines = [](const ReportData&, const LineSink& sink) {
        for (const std::string_view line : {"a", "", "für"}) sink(line);
    };
    const ReportWriter noLine = [](const ReportData&, const LineSink&) {};
    EXPECT_EQ(reportBytes(threeLines, data), "a\r\n\r\nf\xFCr\r\n");
    EXPECT_EQ(reportBytes(noLine, data), "");
}

TEST_F(ReportFileTest, CreatesAndReplacesWithoutLeftovers) {
    const std::string target = path("07_0002.txt");
    ASSERT_TRUE(writeFileReplacing(target, "first", DirectFallback::Forbidden).ok);
    ASSERT_TRUE(writeFileReplacing(target, "second", DirectFallback::Forbidden).ok);
    EXPECT_EQ(readBytes(target), "second");
    EXPECT_EQ(folder_.entries(), 1u);
}

TEST_F(ReportFileTest, ReplacedFileKeepsItsPermissions) {
    const std::string target = path("report");
    writeBytes(target, "old");
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(writeFileReplacing(target, "new", DirectFallback::Forbidden).ok);
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ReportFileTest, DirectoryTargetFailsAndStays) {
    fs::create_directory(path("ordner"));
    const WriteResult result = writeFileReplacing(path("ordner"), "x", DirectFallback::Allowed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, EISDIR);
    EXPECT_TRUE(fs::is_directory(path("ordner")));
}

TEST_F(ReportFileTest, MissingFolderFails) {
    const WriteResult result =
        writeFileReplacing(path("fehlt/report.txt"), "x", DirectFallback::Allowed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, ENOENT);
}

// Targets that are no regular file of their own: written into as they are, never replaced.
struct DirectCase {
    const char* name;
    bool throughLink;
    std::string (*make)(const std::string& path);  // the target, made at `path` where needed
    mode_t type;
};

class DirectTargetTest : public ReportFileTest, public testing::WithParamInterface<DirectCase> {};

TEST_P(DirectTargetTest, IsWrittenIntoAndKept) {
    std::string target = GetParam().make(path("target"));
    if (GetParam().throughLink) {
        fs::create_symlink(target, path("link"));
        target = path("link");
    }
    // A reader waiting on the FIFO; for the others it stays unused.
    const int reader = ::open(path("target").c_str(), O_RDONLY | O_NONBLOCK);
    const WriteResult result = writeFileReplacing(target, "report", DirectFallback::Allowed);
    EXPECT_TRUE(result.ok) << result.error;
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

TEST_F(ReportFileTest, LinkStaysAndTheFileItLeadsToIsReplaced) {
    writeBytes(path("real.txt"), "old");
    fs::create_symlink("real.txt", path("link.txt"));
    fs::create_symlink("new.txt", path("dangling.txt"));
    ASSERT_TRUE(writeFileReplacing(path("link.txt"), "new", DirectFallback::Forbidden).ok);
    ASSERT_TRUE(writeFileReplacing(path("dangling.txt"), "made", DirectFallback::Forbidden).ok);
    EXPECT_TRUE(fs::is_symlink(path("link.txt")));
    EXPECT_EQ(readBytes(path("real.txt")), "new");
    EXPECT_TRUE(fs::is_symlink(path("dangling.txt")));
    EXPECT_EQ(readBytes(path("new.txt")), "made");
    EXPECT_EQ(folder_.entries(), 4u);
}

TEST_F(ReportFileTest, UnwritableTargetIsKnownBeforeWriting) {
    fs::create_directory(path("ordner"));
    writeBytes(path("plain"), "x");
    EXPECT_EQ(writeTargetProblem(path("fehlt/report.txt")), ENOENT);
    EXPECT_EQ(writeTargetProblem(path("ordner")), EISDIR);
    EXPECT_EQ(writeTargetProblem(path("plain/report.txt")), ENOTDIR);
    EXPECT_EQ(writeTargetProblem(path("neu.txt")), 0);
    EXPECT_EQ(writeTargetProblem("/dev/null"), 0);
    EXPECT_EQ(folder_.entries(), 2u);
}

// Root may write anywhere, so these run in a child process that gives up root's rights first.
class ReportFileDeathTest : public ReportFileTest {};

TEST_F(ReportFileDeathTest, ReadOnlyFolderKeepsTheOldFileUnlessInPlaceIsAllowed) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    handToUnprivilegedUser(folder_.path());
    fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EXIT(
        {
            dropRootRights();
            const WriteResult refused =
                writeFileReplacing(target, "new", DirectFallback::Forbidden);
            const bool keptOld =
                !refused.ok && refused.error == EACCES && readBytes(target) == "old";
            const bool inPlace = writeFileReplacing(target, "new", DirectFallback::Allowed).ok &&
                                 readBytes(target) == "new";
            const bool noNewFile =
                !writeFileReplacing(path("neu.txt"), "x", DirectFallback::Allowed).ok &&
                writeTargetProblem(path("neu.txt")) == EACCES;
            std::_Exit(keptOld && inPlace && noNewFile ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ReportFileDeathTest, WriteProtectedFileIsNotReplaced) {
    const std::string target = path("report.txt");
    writeBytes(target, "old");
    ::chmod(target.c_str(), 0444);
    handToUnprivilegedUser(folder_.path());
    EXPECT_EXIT(
        {
            dropRootRights();
            const WriteResult result = writeFileReplacing(target, "new", DirectFallback::Allowed);
            std::_Exit(!result.ok && result.error == EACCES && readBytes(target) == "old" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lorvex
