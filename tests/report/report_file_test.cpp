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
    static bool runningAsRoot() { return ::geteuid() == 0; }

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
    struct stat info{};
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
    const WriteResult result = writeFileReplacing(path("fehlt/report.txt"), "x", DirectFallback::Allowed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, ENOENT);
}

TEST_F(ReportFileTest, ReadOnlyFolderKeepsTheOldFileUnlessInPlaceIsAllowed) {
    if (runningAsRoot()) GTEST_SKIP() << "root may write anywhere";
    const std::string target = path("report.txt");
    write(target, "old");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const WriteResult refused = writeFileReplacing(target, "new", DirectFallback::Forbidden);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, EACCES);
    EXPECT_EQ(contents(target), "old");
    EXPECT_TRUE(writeFileReplacing(target, "new", DirectFallback::Allowed).ok);
    EXPECT_EQ(contents(target), "new");
    EXPECT_FALSE(writeFileReplacing(path("neu.txt"), "x", DirectFallback::Allowed).ok);
}

}  // namespace
}  // namespace lorvex
