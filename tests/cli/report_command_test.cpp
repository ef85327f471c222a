#include "cli/report_command.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "tests/support/test_files.h"

namespace lorvex {
namespace {

namespace fs = std::filesystem;

using namespace test_support;

const fs::path kExamples = LORVEX_EXAMPLES_DIR;

class ReportCommandTest : public testing::Test {
protected:
    // `input` is what standard input holds.
    int run(CliOptions options, const std::string& input = {}) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::tmpfile(), std::fclose);
        std::fwrite(input.data(), 1, input.size(), in.get());
        std::fflush(in.get());
        ::lseek(::fileno(in.get()), 0, SEEK_SET);
        return runWithInput(options, ::fileno(in.get()));
    }
    int runWithInput(const CliOptions& options, int standardInput) {
        out_.str({});
        err_.str({});
        return runReportCommand(options, {standardInput, out_, err_});
    }
    fs::path file(const std::string& name, const std::string& bytes) const {
        const fs::path path = folder_ / name;
        writeBytes(path, bytes);
        return path;
    }

    const TempFolder temp_;
    const fs::path folder_ = temp_.path();
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(ReportCommandTest, WritesTheSameBytesAsTheDesktopSave) {
    ASSERT_EQ(run({.systemFile = kExamples / "Beispiel_7_2.txt"}), 0);
    expectSameBytes(out_.str(), readGolden("beispiel_7_2_komplett.txt"));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ReportCommandTest, ReadsStandardInputAndWritesHtmlToAFile) {
    const fs::path output = folder_ / "bericht.html";
    ASSERT_EQ(run({.systemFile = "-",
                   .outputFile = output.string(),
                   .request = {.kind = AnswerKind::HtmlReport}},
                  "1 2 3 4 5 7\n1 2 3 4 5 6\n"),
              0);
    expectSameBytes(readBytes(output), readGolden("beispiel_7_2_komplett.html"));
    EXPECT_EQ(out_.str(), "");
}

TEST_F(ReportCommandTest, OnlyOneBlockWithEitherEngine) {
    for (const bool reference : {false, true}) {
        ASSERT_EQ(run({.systemFile = kExamples / "C10_6_5_50.txt",
                       .request = {.onlyBlock = 5, .reference = reference}}),
                  0);
        const std::string report = out_.str();
        EXPECT_NE(report.find(" 5 entweder |"), std::string::npos);
        EXPECT_EQ(report.find(" 6 entweder |"), std::string::npos);
        // C(10,5) = 252 draws, each with five hits somewhere: the system covers every 5-set.
        EXPECT_EQ(report.find("       oder |      |      |"), std::string::npos);
    }
}

struct FailureCase {
    std::string name;
    std::string input;
    std::string message;
};

class ReportCommandFailureTest : public ReportCommandTest,
                                 public testing::WithParamInterface<FailureCase> {};

TEST_P(ReportCommandFailureTest, ExplainsAndWritesNothing) {
    const fs::path output = folder_ / "bericht.txt";
    file("bericht.txt", "earlier report");
    const fs::path system = file("system.txt", GetParam().input);
    EXPECT_EQ(run({.systemFile = system.string(), .outputFile = output.string()}), 1);
    EXPECT_NE(err_.str().find(GetParam().message), std::string::npos) << err_.str();
    EXPECT_EQ(readBytes(output), "earlier report");
    EXPECT_EQ(temp_.entries(), 2u);
}

std::string manyRows(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "1 2 3 4 5 6\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReportCommandFailureTest,
    testing::Values(FailureCase{"Empty", "", "Keine gültige Systemreihe"},
                    FailureCase{"Junk", "Reihe 1: 1 2 3\n\x01\x02\n", "Keine gültige Systemreihe"},
                    FailureCase{"Overflow", manyRows(10000),
                                "Überlauf: System über 9999 Reihen oder 49 Zahlen"},
                    FailureCase{"NoDraw", "1 1 1 1 1 1\n",
                                "Keine Analyse zum Speichern vorhanden"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ReportCommandTest, UnreadableInputNamesTheReason) {
    EXPECT_EQ(run({.systemFile = (folder_ / "fehlt.txt").string()}), 1);
    EXPECT_NE(err_.str().find("Datei kann nicht geöffnet werden"), std::string::npos);
    EXPECT_NE(err_.str().find("nicht gefunden"), std::string::npos);
    EXPECT_EQ(run({.systemFile = folder_.string()}), 1);
    EXPECT_NE(err_.str().find("Ordner"), std::string::npos);
}

TEST_F(ReportCommandTest, UnwritableOutputLeavesNoFile) {
    const fs::path output = folder_ / "fehlt" / "bericht.txt";
    EXPECT_EQ(run({.systemFile = kExamples / "Beispiel_7_2.txt", .outputFile = output.string()}),
              1);
    EXPECT_NE(err_.str().find("Datei kann nicht gespeichert werden"), std::string::npos);
    EXPECT_FALSE(fs::exists(output));
}

TEST_F(ReportCommandTest, UnwritableOutputIsNamedBeforeTheInputIsRead) {
    const fs::path output = folder_ / "fehlt" / "bericht.txt";
    EXPECT_EQ(
        run({.systemFile = (folder_ / "auch-fehlt.txt").string(), .outputFile = output.string()}),
        1);
    EXPECT_EQ(err_.str(), "lorvex-report: Datei kann nicht gespeichert werden: " + output.string() +
                              ": Datei oder Ordner nicht gefunden.\n");
}

struct InputCase {
    const char* name;
    int (*open)(const fs::path& folder);  // the descriptor standard input is
    const char* message;
};

class UnreadableInputTest : public ReportCommandTest,
                            public testing::WithParamInterface<InputCase> {};

TEST_P(UnreadableInputTest, IsExplainedInGerman) {
    const int input = GetParam().open(folder_);
    EXPECT_EQ(runWithInput({.systemFile = "-"}, input), 1);
    if (input >= 0) ::close(input);
    EXPECT_EQ(err_.str(), std::string("lorvex-report: ") + GetParam().message + "\n");
    EXPECT_EQ(out_.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, UnreadableInputTest,
    testing::Values(
        InputCase{"Closed", [](const fs::path&) { return -1; },
                  "Standardeingabe kann nicht gelesen werden: Sie ist geschlossen."},
        InputCase{"Folder", [](const fs::path& folder) { return ::open(folder.c_str(), O_RDONLY); },
                  "Standardeingabe kann nicht gelesen werden: Das ist ein Ordner, keine Datei."}),
    [](const auto& info) { return info.param.name; });

TEST_F(ReportCommandTest, HolesListTheWorstDraws) {
    ASSERT_EQ(run({.systemFile = kExamples / "Beispiel_7_2.txt",
                   .request = {.kind = AnswerKind::Holes, .holesBlock = 4, .holesLimit = 2}}),
              0);
    EXPECT_EQ(out_.str(),
              "10 von 35 Ziehungen mit dem schlechtesten Ergebnis\n01 02 06 07\n01 03 06 07\n");
}

TEST_F(ReportCommandTest, GuaranteeSkipsBlocksWithoutDraws) {
    // Four system numbers: blocks 6 and 5 have no draw. The repeated 4 scores more hits than a
    // block holds in some draws, and such a row shows in no count.
    const fs::path system = file("klein.txt", "1 2 3 4 4 4\n");
    ASSERT_EQ(run({.systemFile = system.string(), .request = {.kind = AnswerKind::Guarantee}}), 0);
    EXPECT_EQ(out_.str(),
              "Garantie bei 4 Treffern in den Systemzahlen: keine\n"
              "Garantie bei 3 Treffern in den Systemzahlen: keine\n");
}

TEST_F(ReportCommandTest, MapPlaysTheSystemOnOwnNumbersAndCheckFindsTheWinningRows) {
    // Rows keep the loaded (sorted) order; each row comes out ascending, the repeated 2 twice,
    // and scores once when drawn, as on a ticket.
    const fs::path system = file("eigen.txt", "1 2 3 4 5 6\n2 2 7 1 3 4\n1 2 3 4 5 7\n");
    CliOptions options{.systemFile = system.string(),
                       .request = {.kind = AnswerKind::MappedSystem}};
    options.request.ownNumbers = {40, 3, 17, 8, 25, 31, 12};
    ASSERT_EQ(run(options), 0);
    EXPECT_EQ(out_.str(), "03 08 17 25 31 40\n03 08 12 17 25 40\n03 03 08 12 17 40\n");

    options.request.kind = AnswerKind::DrawCheck;
    options.request.drawNumbers = {3, 8, 17, 40, 49, 1};
    ASSERT_EQ(run(options), 0);
    EXPECT_EQ(out_.str(),
              "Reihe 1: 03 08 17 25 31 40 - 4 Richtige\n"
              "Reihe 2: 03 08 12 17 25 40 - 4 Richtige\n"
              "Reihe 3: 03 03 08 12 17 40 - 4 Richtige\n"
              "Summe: 6er 0, 5er 0, 4er 3, 3er 0\n");
}

TEST_F(ReportCommandTest, MapWithTheWrongCountIsAUsageError) {
    CliOptions options{.systemFile = (kExamples / "Beispiel_7_2.txt").string(),
                       .request = {.kind = AnswerKind::MappedSystem}};
    options.request.ownNumbers = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(run(options), 2);
    EXPECT_NE(err_.str().find("--map nennt 6 Zahlen, das System hat aber 7 Systemzahlen"),
              std::string::npos);
    EXPECT_TRUE(out_.str().empty());
}

TEST_F(ReportCommandTest, FrequencyNamesTheRarestAndCommonestNumbers) {
    // Three system numbers; a number twice in a row counts that row once.
    const fs::path system = file("haeufig.txt", "1 1 1 1 1 1\n1 2 2 2 2 2\n3 3 1 1 3 1\n");
    ASSERT_EQ(run({.systemFile = system.string(), .request = {.kind = AnswerKind::Frequency}}), 0);
    EXPECT_EQ(out_.str(),
              "01: 3 Reihen\n02: 1 Reihe\n03: 1 Reihe\n"
              "seltenste: 02, 03 mit 1 Reihe\nhäufigste: 01 mit 3 Reihen\n");
}

TEST_F(ReportCommandTest, CoverageAndOddsAlignTheirFigures) {
    const fs::path system = (kExamples / "Beispiel_7_2.txt");
    ASSERT_EQ(run({.systemFile = system.string(),
                   .request = {.kind = AnswerKind::Coverage, .onlyBlock = 5}}),
              0);
    EXPECT_EQ(out_.str(),
              "Abdeckung bei 5 Treffern in den Systemzahlen\n"
              "  mindestens ein 5er: 11 von 21 Ziehungen ( 52.381 %)\n"
              "  mindestens ein 4er: 21 von 21 Ziehungen (100.000 %)\n"
              "  mindestens ein 3er: 21 von 21 Ziehungen (100.000 %)\n");
    ASSERT_EQ(run({.systemFile = system.string(), .request = {.kind = AnswerKind::Odds}}), 0);
    EXPECT_EQ(out_.str(),
              "Gewinnchancen je Ziehung 6 aus 49 (13983816 Ziehungen, ohne Superzahl)\n"
              "  bester Rang 6er:        2 Ziehungen, 1 zu 6991908.0\n"
              "  bester Rang 5er:      467 Ziehungen, 1 zu 29943.9\n"
              "  bester Rang 4er:    21945 Ziehungen, 1 zu 637.2\n"
              "  bester Rang 3er:   353010 Ziehungen, 1 zu 39.6\n"
              "  ohne Gewinn:     13608392 Ziehungen, 1 zu 1.0\n"
              "Gewinnreihen je Ziehung im Mittel: 6er 0.000000, 5er 0.000037, 4er 0.001937, "
              "3er 0.035301\n"
              "\n"
              "Gewinnklassen je Ziehung mit Superzahl (13983816 × 10 Fälle, beste Klasse)\n"
              "  Klasse 1 (6 Richtige + Superzahl):          2 von 139838160, 1 zu 69919080.0\n"
              "  Klasse 2 (6 Richtige):                     18 von 139838160, 1 zu 7768786.7\n"
              "  Klasse 3 (5 Richtige + Superzahl):        467 von 139838160, 1 zu 299439.3\n"
              "  Klasse 4 (5 Richtige):                   4203 von 139838160, 1 zu 33271.0\n"
              "  Klasse 5 (4 Richtige + Superzahl):      21945 von 139838160, 1 zu 6372.2\n"
              "  Klasse 6 (4 Richtige):                 197505 von 139838160, 1 zu 708.0\n"
              "  Klasse 7 (3 Richtige + Superzahl):     353010 von 139838160, 1 zu 396.1\n"
              "  Klasse 8 (3 Richtige):                3177090 von 139838160, 1 zu 44.0\n"
              "  Klasse 9 (2 Richtige + Superzahl):    2296000 von 139838160, 1 zu 60.9\n"
              "  irgendein Gewinn:                     6050240 von 139838160, 1 zu 23.1\n");
}

TEST_F(ReportCommandTest, PastDrawsAreScoredByPrizeClassWithTheStake) {
    const fs::path system = file("schein.txt", "3 7 11 19 22 28\n1 2 3 4 5 7\n");
    const fs::path draws = file("ziehungen.csv",
                                "Datum;Zahlen;SZ\r\n24.12.2025;3;7;11;19;22;28;5\r\n"
                                "Ziehung fiel aus\r\n2025-12-27 1 2 3 40 41 42 4\r\n");
    CliOptions options{.systemFile = system.string(),
                       .request = {.kind = AnswerKind::PastDraws, .superzahl = 5},
                       .drawsFile = draws.string()};
    ASSERT_EQ(run(options), 0);
    const std::string text = out_.str();
    EXPECT_NE(text.find("24.12.2025  03 07 11 19 22 28  SZ 5  1× Klasse 9, 1× Klasse 1\n"
                        "27.12.2025  01 02 03 40 41 42  SZ 4  1× Klasse 8\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Klasse 1 (6 Richtige + Superzahl): 1\n"), std::string::npos);
    EXPECT_NE(text.find("Einsatz: 2 Reihen × 2 Ziehungen × 1,20 € = 4,80 €; feste Gewinne der "
                        "Klasse 9: 1 × 6,00 € = 6,00 €\n"),
              std::string::npos);
    EXPECT_EQ(err_.str(), "lorvex-report: 2 Zeilen ohne Ziehung übersprungen (Zeile 1, 3)\n");

    options.request.pastDrawsCsv = true;
    ASSERT_EQ(run(options), 0);
    EXPECT_EQ(out_.str(),
              "\xEF\xBB\xBF"
              "Datum;Zahlen;Superzahl;Klasse 1;Klasse 2;Klasse 3;Klasse 4;Klasse 5;"
              "Klasse 6;Klasse 7;Klasse 8;Klasse 9\r\n"
              "24.12.2025;3 7 11 19 22 28;5;1;0;0;0;0;0;0;0;1\r\n"
              "27.12.2025;1 2 3 40 41 42;4;0;0;0;0;0;0;0;1;0\r\n");

    // A list without a draw, or one that standard input would have to give twice, writes
    // nothing.
    options.drawsFile = file("leer.txt", "Datum;Zahlen\n").string();
    options.outputFile = (folder_ / "aus.csv").string();
    EXPECT_EQ(run(options), 1);
    EXPECT_NE(err_.str().find("Die Liste enthält keine Ziehung."), std::string::npos);
    options.systemFile = options.drawsFile = "-";
    EXPECT_EQ(run(options), 1);
    EXPECT_FALSE(fs::exists(folder_ / "aus.csv"));
}

TEST_F(ReportCommandTest, CoverageWithoutAnyDrawFails) {
    const fs::path system = file("klein.txt", "1 2 2 2 2 2\n");
    EXPECT_EQ(run({.systemFile = system.string(), .request = {.kind = AnswerKind::Coverage}}), 1);
    EXPECT_NE(err_.str().find("Keine Ziehung von 3 Zahlen: das System hat nur 2 Systemzahlen."),
              std::string::npos);
}

TEST_F(ReportCommandTest, NineThousandNineHundredNinetyNineRowsAreAccepted) {
    const fs::path system = file("gross.txt", manyRows(9999));
    EXPECT_EQ(run({.systemFile = system.string(), .request = {.onlyBlock = 3}}), 0);
    EXPECT_NE(out_.str().find("in 9999 Reihen"), std::string::npos);
}

TEST_F(ReportCommandTest, CountsSkippedLinesOnStandardError) {
    ASSERT_EQ(run({.systemFile = "-", .request = {.kind = AnswerKind::Guarantee}},
                  "Mein System\n1 2 3 4 5 6\n1 2 3\n\nx\n"),
              0);
    EXPECT_EQ(err_.str(), "lorvex-report: 3 Zeilen ohne gültige Reihe übersprungen\n");
    ASSERT_EQ(run({.systemFile = "-"}, "1 2 3 4 5 6\nEnde\n"), 0);
    EXPECT_EQ(err_.str(), "lorvex-report: 1 Zeile ohne gültige Reihe übersprungen\n");
}

// The bundled C(10,6,5) design written on a player's ten numbers: every answer that counts
// draws is the one of the design on 1..10, the rows and draws are shown on the player's numbers.
TEST_F(ReportCommandTest, ASystemOnPlayedNumbersAnswersAsTheSameSystemOnOneToV) {
    const std::vector<int> played = {3, 7, 11, 19, 22, 28, 31, 36, 40, 42};
    std::string written;
    for (const char* line : {"1 2 3 4 5 6", "1 2 3 4 5 7", "5 6 7 8 9 10"}) {
        std::istringstream numbers(line);
        for (int number = 0; numbers >> number;)
            written += std::to_string(played[number - 1]) + ' ';
        written += '\n';
    }
    const fs::path onPlayed = file("gespielt.txt", written);
    const fs::path onOneToTen =
        file("eins_bis_zehn.txt", "1 2 3 4 5 6\n1 2 3 4 5 7\n5 6 7 8 9 10\n");
    for (const AnswerKind kind :
         {AnswerKind::Csv, AnswerKind::Guarantee, AnswerKind::Coverage, AnswerKind::Odds}) {
        ASSERT_EQ(run({.systemFile = onOneToTen.string(), .request = {.kind = kind}}), 0);
        const std::string expected = out_.str();
        ASSERT_EQ(run({.systemFile = onPlayed.string(),
                       .request = {.kind = kind, .playedNumbers = played}}),
                  0);
        EXPECT_EQ(out_.str(), expected);
        ASSERT_EQ(run({.systemFile = onPlayed.string(),
                       .request = {.kind = kind},
                       .numbersInSystem = true}),
                  0);
        EXPECT_EQ(out_.str(), expected) << "the numbers in the system are the ten played";
    }
    ASSERT_EQ(run({.systemFile = onPlayed.string(),
                   .request = {.kind = AnswerKind::Holes,
                               .holesBlock = 6,
                               .holesLimit = 1,
                               .playedNumbers = played}}),
              0);
    EXPECT_EQ(out_.str(),
              "4 von 210 Ziehungen mit dem schlechtesten Ergebnis\n03 07 11 36 40 42\n");
    ASSERT_EQ(run({.systemFile = onPlayed.string(), .request = {.playedNumbers = played}}), 0);
    EXPECT_NE(
        out_.str().find("\r\n03 07 11 19 22 28\r\n03 07 11 19 22 31\r\n22 28 31 36 40 42\r\n"),
        std::string::npos);
}

TEST_F(ReportCommandTest, PlayedNumbersCountEvenThoseNoRowHolds) {
    const fs::path system = file("s.txt", "3 7 11 19 22 28\n");
    ASSERT_EQ(run({.systemFile = system.string(),
                   .request = {.kind = AnswerKind::Coverage,
                               .onlyBlock = 6,
                               .playedNumbers = {3, 7, 11, 19, 22, 28, 49}}}),
              0);
    EXPECT_NE(out_.str().find("mindestens ein 6er: 1 von 7 Ziehungen"), std::string::npos)
        << out_.str();
    EXPECT_EQ(run({.systemFile = system.string(),
                   .request = {.kind = AnswerKind::Coverage, .playedNumbers = {3, 7, 11, 19, 22}}}),
              1);
    EXPECT_EQ(err_.str(),
              "lorvex-report: Die Reihe 3 7 11 19 22 28 enthält die 28, die nicht unter den 5 "
              "gespielten Zahlen ist.\n");
}

}  // namespace
}  // namespace lorvex
