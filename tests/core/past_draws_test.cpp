#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/questions/past_draw_prizes.h"
#include "core/questions/past_draws.h"

namespace lorvex {
namespace {

struct LineCase {
    std::string line;
    bool isDraw;
    std::string date = {};
    std::array<int, 6> numbers = {};
    int superzahl = -1;  // none
};

TEST(PastDrawsTest, EachLineIsADrawOrSkipped) {
    const std::vector<LineCase> cases = {
        {"24.12.2025;3;7;11;19;22;28;5", true, "24.12.2025", {3, 7, 11, 19, 22, 28}, 5},
        {"2025-12-24 28 22 19 11 7 3", true, "24.12.2025", {3, 7, 11, 19, 22, 28}},
        {"Sa, 1.2.2025, 49, 01, 2, 3, 4, 5, 0", true, "01.02.2025", {1, 2, 3, 4, 5, 49}, 0},
        {"\"06.01.2024\";\"1\";\"2\";\"3\";\"4\";\"5\";\"6\"",
         true,
         "06.01.2024",
         {1, 2, 3, 4, 5, 6}},
        {"1\t2\t3\t4\t5\t6\t9", true, "", {1, 2, 3, 4, 5, 6}, 9},
        {"Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Superzahl", false},
        {"24.12.2025;3;7;11;19;22;28;10", false},  // a Superzahl has one digit
        {"24.12.2025;3;7;11;19;22;50", false},
        {"24.12.2025;3;7;11;19;22;22", false},
        {"24.12.2025;3;7;11;19;22", false},
        {"32.12.2025;3;7;11;19;22;28", false},
        {"24.12.25;3;7;11;19;22;28", false},
        {"3;7;11;19;22;28;5;1", false},
        {"3 7 11 19 22 -28", false},
    };
    for (const LineCase& c : cases) {
        const PastDrawList list = readPastDraws(c.line + "\r\n");
        ASSERT_EQ(list.draws.size(), c.isDraw ? 1u : 0u) << c.line;
        EXPECT_EQ(list.skippedLines, c.isDraw ? 0 : 1) << c.line;
        if (!c.isDraw) continue;
        const PastDraw& draw = list.draws.front();
        EXPECT_EQ(draw.date, c.date) << c.line;
        EXPECT_EQ(draw.numbers, c.numbers) << c.line;
        EXPECT_EQ(draw.superzahl.value_or(-1), c.superzahl) << c.line;
    }
}

TEST(PastDrawsTest, LinesAreCountedAcrossMarksAndEncodings) {
    const PastDrawList utf8 =
        readPastDraws("\xEF\xBB\xBFZiehung vom\n\n1 2 3 4 5 6 7\r\nÄ\n8 9 10 11 12 13");
    EXPECT_EQ(utf8.draws.size(), 2u);
    EXPECT_EQ(utf8.draws[1].line, 5);
    EXPECT_EQ(utf8.firstSkipped, (std::vector<std::int64_t>{1, 4}));
    const std::string utf16(
        "\xFF\xFE"
        "1\0 \0"
        "2\0 \0"
        "3\0 \0"
        "4\0 \0"
        "5\0 \0"
        "6\0",
        24);
    EXPECT_EQ(readPastDraws(utf16).draws.size(), 1u);
}

TEST(PastDrawsTest, RowsWinTheClassOfTheirRichtige) {
    const std::vector<SystemRow> rows = {{1, 2, 3, 4, 5, 6},     {1, 2, 3, 4, 5, 7},
                                         {1, 2, 3, 4, 8, 9},     {1, 2, 3, 10, 11, 12},
                                         {1, 2, 13, 14, 15, 16}, {1, 1, 1, 1, 1, 1}};
    PastDraw draw;
    draw.numbers = {1, 2, 3, 4, 5, 6};
    struct Case {
        std::optional<int> ticket, drawn;
        std::array<std::int32_t, 9> classes;
    };
    for (const Case& c : std::vector<Case>{
             {5, 5, {1, 0, 1, 0, 1, 0, 1, 0, 1}},
             {5, 4, {0, 1, 0, 1, 0, 1, 0, 1, 0}},
             {std::nullopt, 5, {0, 1, 0, 1, 0, 1, 0, 1, 0}},
             {5, std::nullopt, {0, 1, 0, 1, 0, 1, 0, 1, 0}},
         }) {
        draw.superzahl = c.drawn;
        const DrawPrizes prizes = prizesOfDraw(rows, draw, c.ticket);
        EXPECT_EQ(prizes.rowsInClass, c.classes);
        EXPECT_EQ(prizes.superzahlKnown, c.ticket && c.drawn);
    }
}

}  // namespace
}  // namespace lorvex
