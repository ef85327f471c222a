#include <gtest/gtest.h>

#include "core/analysis/hit_table.h"
#include "tests/ui/test_support.h"
#include "ui/file_types.h"
#include "ui/list_rows.h"
#include "ui/path_text.h"
#include "ui/window_placement.h"

namespace lorvex::testing {
namespace {

TEST(FileTypesTest, PairsOfCaptionAndPatternWithEveryFileAsStar) {
    EXPECT_EQ(fileTypes("Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"),
              (std::vector<FileType>{{"Text (*.txt)", "*.txt"}, {"Alle Dateien (*.*)", "*"}}));
    EXPECT_EQ(fileTypes("Internet (*.html)|*.html"),
              (std::vector<FileType>{{"Internet (*.html)", "*.html"}}));
    // A caption without a pattern is no file type.
    EXPECT_EQ(fileTypes("Text|*.txt|Rest"), (std::vector<FileType>{{"Text", "*.txt"}}));
    EXPECT_TRUE(fileTypes("").empty());
}

struct PathCase {
    const char* path;
    const char* directory;
    const char* name;
};

class PathTextTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathTextTest, SplitsAtTheLastSeparator) {
    EXPECT_EQ(directoryPart(GetParam().path), GetParam().directory);
    EXPECT_EQ(fileNamePart(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathTextTest,
                         ::testing::Values(PathCase{"/opt/lorvex/12_0022.txt", "/opt/lorvex",
                                                    "12_0022.txt"},
                                           PathCase{"/opt/lorvex/", "/opt/lorvex", ""},
                                           PathCase{"/07_0002.txt", "/", "07_0002.txt"},
                                           PathCase{"report.txt", "", "report.txt"}));

TEST(WindowPlacementTest, CentresWithHalvesRoundedTowardZero) {
    EXPECT_EQ(centredOver({0, 0, 1024, 768}, {417, 551}, {0, 0}), (Point{303, 108}));
    EXPECT_EQ(centredOver({100, 50, 416, 560}, {240, 64}, {0, 0}), (Point{188, 298}));
}

TEST(WindowPlacementTest, NeverLiesBeyondTheLowestCorner) {
    // A window larger than the screen starts at the screen's corner.
    EXPECT_EQ(centredOver({0, 0, 400, 300}, {417, 551}, {0, 0}), (Point{0, 0}));
    // A wait window over a main window dragged partly off the screen stays on it.
    EXPECT_EQ(centredOver({-300, -200, 416, 560}, {240, 64}, {0, 0}), (Point{0, 48}));
}

TEST(ListRowsTest, SystemRowShowsItsNumberAndNumbersWithoutLeadingZeros) {
    EXPECT_EQ(systemListRow(12, {7, 49, 1, 2, 3, 4}), row({"12", "7", "49", "1", "2", "3", "4"}));
}

TEST(ListRowsTest, HitRowShowsItsCountsAndIsGreyWhenItOpensABlock) {
    const HitRow hit{6, {{1, 0, 0, 0}}, 2, 28.571428f, true};
    EXPECT_EQ(hitListRow(hit), row({"6", "1", "", "", "", "2", "28.571"}, true));
}

}  // namespace
}  // namespace lorvex::testing
