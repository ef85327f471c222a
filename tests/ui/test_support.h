#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ui/user_interface.h"

namespace lorvex::testing {

// The two rows of the worked example: highest number 7.
inline constexpr const char* kExampleSystem = "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n";

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// For a test's child process: root gives up its rights, so that file permissions apply to it.
// Exits the child with status 2 if that fails.
void dropRootRights();

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// `count` different valid lines "a b c d e f" with numbers up to 49.
std::string validLines(int count);

// A list row from its texts, for comparisons.
ListRow row(std::array<std::string, LIST_COLUMNS> texts, bool grey = false);

}  // namespace lorvex::testing
