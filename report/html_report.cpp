#include "html_report.h"

#include <array>
#include <string_view>

#include "core/conversions.h"

namespace lorvex {

namespace {

constexpr int kRowsPerGroup = 12;

// The head's fixed lines after the description.
constexpr std::array<std::string_view, 11> kHeadRest = {
    "<meta name='keywords' content='Lotto, System, Analyse, Tipp, Treffer, Zahl, Tabelle, "
    "Lorvex'>",
    "<meta name='language' content='de'>",
    "<meta name='robots' content='index, follow'>",
    "<meta http-equiv='content-type' content='text/html; charset=iso-8859-1'>",
    "<style type='text/css'><!--",
    "a       { color: #4A5A4A; }",
    "a:hover { text-decoration: none; }",
    "table   { border: 4px solid #ADBDAD; }",
    "td      { background: #ADBDAD; color: #4A5A4A; font: 11px verdana; text-align: center; }",
    "body    { background: #94A594; color: #4A5A4A; margin: 20px; }",
    "--></style>",
};

std::string hitLine(const HitRow& row, bool opensSection) {
    std::string line = opensSection ? "  <tr><td><b>" + row.cells[0] + "</b> entweder</td>"
                                    : "  <tr><td>oder</td>";
    for (int column = 1; column < HIT_COLUMNS; ++column)
        line += "<td>" + row.cells[column] + "</td>";
    line += "</tr>";
    return line;
}

}  // namespace

std::vector<std::string> writeHtmlReport(const ReportData& data) {
    const int highest = data.system.highestNumber();
    const int rows = data.system.rowCount();
    const std::string sizeWords = " f\xFCr " + FormatInteger(highest) + " Zahlen in " +
                                  FormatInteger(rows) + " Reihen mit Treffertabelle";
    std::vector<std::string> lines = {
        "<!doctype html public '-//W3C//DTD HTML 4.01 Transitional//EN'>",
        "<html>",
        "<head>",
        "<title>Lottosystem" + sizeWords + "</title>",
        "<meta name='author' content='Tessmar'>",
        "<meta name='generator' content='Tessmars Lorvex'>",
        "<meta name='description' content='Lottosystem" + sizeWords + "'>",
    };
    lines.insert(lines.end(), kHeadRest.begin(), kHeadRest.end());
    lines.insert(lines.end(),
                 {
                     "</head>",
                     "<body>",
                     "<center>",
                     "<table cellspacing='2' cellpadding='4'>",
                     "<tr><td colspan='2'><b>Lottosystem</b>" + sizeWords + "</td></tr>",
                     "<tr><th valign='top'>",
                     "  <table cellspacing='2' cellpadding='4'>",
                     "  <tr><td><b>Reihe</b></td><td><b>Systemzahlen</b></td></tr>",
                 });
    for (int i = 1; i <= rows; ++i) {
        if ((i - 1) % kRowsPerGroup == 0) lines.emplace_back("  <tr><td colspan='2'></td></tr>");
        lines.push_back("  <tr><td><b>" + FormatInteger(i) + "</b></td><td>" +
                        systemRowText(data.system.row(i)) + "</td></tr>");
    }
    lines.insert(
        lines.end(),
        {
            "  </table>",
            "</th><th valign='top'>",
            "  <table cellspacing='2' cellpadding='4'>",
            "  <tr><td><b>Treffer</b></td><td><b>6er</b></td><td><b>5er</b></td><td><b>4er</b></td>"
            "<td><b>3er</b></td><td><b>F\xE4lle</b></td><td><b>Prozent</b></td></tr>",
        });
    forEachSectionRow(data.hits, [&lines](const HitRow& row, bool opensSection) {
        if (opensSection) lines.emplace_back("  <tr><td colspan='7'></td></tr>");
        lines.push_back(hitLine(row, opensSection));
    });
    lines.insert(
        lines.end(),
        {
            "  </table>",
            "</th></tr>",
            "<tr><td colspan='2'>Alle Angaben wurden sorgf\xE4ltig ermittelt erfolgen aber ohne "
            "Gew\xE4hr!</td></tr>",
            "</table>",
            "</center>",
            "</body>",
            "</html>",
        });
    return lines;
}

}  // namespace lorvex
