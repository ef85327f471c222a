#include "builder/build_summary.h"

#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

std::string twoDigits(int number) {
    return PadLeft(FormatInteger(number), 2, "0");
}

}  // namespace

std::string rowCountText(std::uint64_t rows) {
    return FormatInteger(std::int64_t(rows)) + (rows == 1 ? " Reihe" : " Reihen");
}

std::string buildSummary(const BuildRequest& request, std::size_t rows, std::uint64_t lowerBound,
                         std::uint64_t draws, std::uint64_t missed) {
    std::string text = FormatInteger(request.numbers) + " Zahlen";
    if (!request.keyNumbers.empty()) {
        text += request.keyNumbers.size() == 1 ? ", Bankzahl" : ", Bankzahlen";
        for (const int key : request.keyNumbers) text += " " + twoDigits(key);
    }
    text += ", Garantie " + FormatInteger(request.guarantee) + " wenn " +
            FormatInteger(request.drawn) + ": " + rowCountText(rows);
    text += rows <= lowerBound ? " (minimal, untere Schranke " : " (untere Schranke ";
    text += FormatInteger(std::int64_t(lowerBound)) + "), gepr\u00fcft: ";
    const std::string withKeys = request.keyNumbers.empty() ? "" : " mit den Bankzahlen";
    if (missed == 0 && draws == 1) return text + "die eine Ziehung" + withKeys + " erf\u00fcllt";
    if (missed == 0) {
        return text + "alle " + FormatInteger(std::int64_t(draws)) + " Ziehungen" + withKeys +
               " erf\u00fcllt";
    }
    return text + FormatInteger(std::int64_t(missed)) + " von " +
           FormatInteger(std::int64_t(draws)) + " Ziehungen" + withKeys + " ohne die Garantie";
}

}  // namespace lorvex::builder
