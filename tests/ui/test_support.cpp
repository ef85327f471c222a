#include "tests/ui/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lorvex::testing {

TempFolder::TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "lorvex_ui_" + std::to_string(::getpid());
    if (test != nullptr) name += std::string("_") + test->test_suite_name() + "_" + test->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void dropRootRights() {
    if (::geteuid() != 0) return;
    const uid_t nobody = 65534;
    if (::setresgid(nobody, nobody, nobody) != 0 || ::setresuid(nobody, nobody, nobody) != 0) {
        std::fputs("cannot drop root rights\n", stderr);
        std::_Exit(2);
    }
}

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string validLines(int count) {
    std::ostringstream text;
    int written = 0;
    for (int a = 1; a <= 44 && written < count; ++a) {
        for (int b = a + 1; b <= 45 && written < count; ++b) {
            for (int c = b + 1; c <= 46 && written < count; ++c) {
                text << a << ' ' << b << ' ' << c << " 47 48 49\n";
                ++written;
            }
        }
    }
    return text.str();
}

ListRow row(std::array<std::string, LIST_COLUMNS> texts, bool grey) {
    return ListRow{std::move(texts), grey};
}

}  // namespace lorvex::testing
