#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lorvex::test_support {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

TempFolder::TempFolder() {
    // Named after the test, so that a folder left behind by a crash says where it comes from.
    std::string name = "lorvex_";
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name += std::string(test->test_suite_name()) + "_" + test->name() + "_";
    }
    std::replace(name.begin(), name.end(), '/', '_');
    std::string pattern = (fs::temp_directory_path() / (name + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make " << pattern;
    path_ = pattern;
    // The plain user of the permission tests must reach the files inside.
    fs::permissions(path_, static_cast<fs::perms>(0755));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::size_t TempFolder::entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readGolden(const std::string& name) {
    return readBytes(fs::path(LORVEX_TEST_DATA_DIR) / "reports" / name);
}

void expectSameBytes(const std::string& actual, const std::string& expected,
                     std::source_location caller) {
    const ::testing::ScopedTrace trace(caller.file_name(), static_cast<int>(caller.line()),
                                       "compared here");
    std::istringstream actualLines(actual), expectedLines(expected);
    std::string lineA, lineE;
    for (int number = 1; std::getline(expectedLines, lineE); ++number) {
        ASSERT_TRUE(std::getline(actualLines, lineA)) << "report ends before line " << number;
        ASSERT_EQ(lineA, lineE) << "first difference in line " << number;
    }
    ASSERT_FALSE(std::getline(actualLines, lineA)) << "report goes on after its end: " << lineA;
    EXPECT_EQ(actual, expected);
}

void dropRootRights() {
    if (::geteuid() != 0) return;
    if (::setresgid(kNobody, kNobody, kNobody) != 0 ||
        ::setresuid(kNobody, kNobody, kNobody) != 0) {
        std::fputs("cannot drop root rights\n", stderr);
        std::_Exit(2);
    }
}

void handToUnprivilegedUser(const fs::path& folder) {
    if (::geteuid() != 0) return;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        ::chown(entry.path().c_str(), kNobody, kNobody);
    }
    ::chown(folder.c_str(), kNobody, kNobody);
}

}  // namespace lorvex::test_support
