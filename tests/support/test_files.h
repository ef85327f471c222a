#pragma once

#include <filesystem>
#include <source_location>
#include <string>

namespace lorvex::test_support {

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // How many files and folders it holds, so that a test sees what was left behind.
    std::size_t entries() const;

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// The expected report `name` under tests/data/reports.
std::string readGolden(const std::string& name);

// Compares line by line first, so that a failure names the first line that differs and the test
// line that compared.
void expectSameBytes(const std::string& actual, const std::string& expected,
                     std::source_location caller = std::source_location::current());

// For a test's child process: root gives up its rights, so that file permissions apply to it.
// Exits the child with status 2 if that fails.
void dropRootRights();

// Under root, hands `folder` and everything in it to the user that dropRootRights() becomes.
void handToUnprivilegedUser(const std::filesystem::path& folder);

}  // namespace lorvex::test_support
