#include "report/report_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lorvex {
namespace {

namespace fs = std::filesystem;

class ReportFileTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lorvex-report-file-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }
    std::string path(const char* name) const { return (folder_ / name).string(); }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST(ReportBytes, EveryLineEndsWithCrLf) {
    const std::string lines[] = {"a", "", "f\xFCr"};
    EXPECT_EQ(reportBytes(lines), "a\r\n\r\nf\xFCr\r\n");
    EXPECT_EQ(reportBytes({}), "");
}

TEST_F(ReportFileTest, CreatesAndReplacesWithoutLeftovers) {
    const std::string target = path("07_0002.txt");
    ASSERT_TRUE(writeFileReplacing(target, "first", DirectFallback::Forbidden).ok);
    ASSERT_TRUE(writeFileReplacing(target, "second", DirectFallback::Forbidden).ok);
    EXPECT_EQ(contents(target), "second");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(ReportFileTest, ReplacedFileKeepsItsPermissions) {
    const std::string target = path("report");
    write(target, "old");
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

// Root may write anywhere, so these run in a child process that gives up root's rights first.
class ReportFileDeathTest : public ReportFileTest {
protected:
    static void becomeUnprivileged() {
        if (::geteuid() != 0) return;
        const uid_t nobody = 65534;
        if (::setresgid(nobody, nobody, nobody) != 0 || ::setresuid(nobody, nobody, nobody) != 0) {
            std::_Exit(2);
        }
    }
    void handFolderToNobody() const {
        if (::geteuid() != 0) return;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            ::chown(entry.path().c_str(), 65534, 65534);
        }
        ::chown(folder_.c_str(), 65534, 65534);
    }
};

TEST_F(ReportFileDeathTest, ReadOnlyFolderKeepsTheOldFileUnlessInPlaceIsAllowed) {
    const std::string target = path("report.txt");
    write(target, "old");
    handFolderToNobody();
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EXIT(
        {
            becomeUnprivileged();
            const WriteResult refused =
                writeFileReplacing(target, "new", DirectFallback::Forbidden);
            const bool keptOld =
                !refused.ok && refused.error == EACCES && contents(target) == "old";
            const bool inPlace = writeFileReplacing(target, "new", DirectFallback::Allowed).ok &&
                                 contents(target) == "new";
            const bool noNewFile =
                !writeFileReplacing(path("neu.txt"), "x", DirectFallback::Allowed).ok;
            std::_Exit(keptOld && inPlace && noNewFile ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ReportFileDeathTest, WriteProtectedFileIsNotReplaced) {
    const std::string target = path("report.txt");
    write(target, "old");
    ::chmod(target.c_str(), 0444);
    handFolderToNobody();
    EXPECT_EXIT(
        {
            becomeUnprivileged();
            const WriteResult result = writeFileReplacing(target, "new", DirectFallback::Allowed);
            std::_Exit(!result.ok && result.error == EACCES && contents(target) == "old" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lorvex
