#include "html_report.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "core/system/played_numbers.h"
#include "core/text/conversions.h"

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
    std::string line = opensSection ? "  <tr><td><b>" + hitCellText(row, HitColumn::BlockSize) +
                                          "</b> entweder</td>"
                                    : "  <tr><td>oder</td>";
    for (const HitColumn column : {HitColumn::Six, HitColumn::Five, HitColumn::Four,
                                   HitColumn::Three, HitColumn::Cases, HitColumn::Percent}) {
        line += "<td>" + hitCellText(row, column) + "</td>";
    }
    line += "</tr>";
    return line;
}

void writeAll(const LineSink& sink, std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) sink(line);
}

}  // namespace

void writeHtmlReport(const ReportData& data, const LineSink& sink) {
    const int highest = data.system.highestNumber();
    const int rows = data.system.rowCount();
    const std::string sizeWords = " für " + FormatInteger(highest) + " Zahlen in " +
                                  FormatInteger(rows) + " Reihen mit Treffertabelle";
    writeAll(sink, {
                       "<!doctype html public '-//W3C//DTD HTML 4.01 Transitional//EN'>",
                       "<html>",
                       "<head>",
                   });
    sink("<title>Lottosystem" + sizeWords + "</title>");
    writeAll(sink, {
                       "<meta name='author' content='Tessmar'>",
                       "<meta name='generator' content='Tessmars Lorvex'>",
                   });
    sink("<meta name='description' content='Lottosystem" + sizeWords + "'>");
    for (const std::string_view line : kHeadRest) sink(line);
    writeAll(sink, {
                       "</head>",
                       "<body>",
                       "<center>",
                       "<table cellspacing='2' cellpadding='4'>",
                   });
    sink("<tr><td colspan='2'><b>Lottosystem</b>" + sizeWords + "</td></tr>");
    writeAll(sink, {
                       "<tr><th valign='top'>",
                       "  <table cellspacing='2' cellpadding='4'>",
                       "  <tr><td><b>Reihe</b></td><td><b>Systemzahlen</b></td></tr>",
                   });
    for (int i = 1; i <= rows; ++i) {
        if ((i - 1) % kRowsPerGroup == 0) sink("  <tr><td colspan='2'></td></tr>");
        sink("  <tr><td><b>" + FormatInteger(i) + "</b></td><td>" +
             systemRowText(playedRow(data.system.row(i), data.played)) + "</td></tr>");
    }
    writeAll(sink, {
                       "  </table>",
                       "</th><th valign='top'>",
                       "  <table cellspacing='2' cellpadding='4'>",
                       "  <tr><td><b>Treffer</b></td><td><b>6er</b></td><td><b>5er</b></td>"
                       "<td><b>4er</b></td><td><b>3er</b></td><td><b>Fälle</b></td>"
                       "<td><b>Prozent</b></td></tr>",
                   });
    forEachSectionRow(data.hits, [&sink](const HitRow& row, bool opensSection) {
        if (opensSection) sink("  <tr><td colspan='7'></td></tr>");
        sink(hitLine(row, opensSection));
    });
    writeAll(sink, {
                       "  </table>",
                       "</th></tr>",
                       "<tr><td colspan='2'>Alle Angaben wurden sorgfältig ermittelt erfolgen "
                       "aber ohne Gewähr!</td></tr>",
                       "</table>",
                       "</center>",
                       "</body>",
                       "</html>",
                   });
}

}  // namespace lorvex
