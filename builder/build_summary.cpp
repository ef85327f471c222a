#include "builder/build_summary.h"

#include <algorithm>

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
    text += FormatInteger(std::int64_t(lowerBound)) + "), geprüft: ";
    const std::string withKeys = request.keyNumbers.empty() ? "" : " mit den Bankzahlen";
    if (missed == 0 && draws == 1) return text + "die eine Ziehung" + withKeys + " erfüllt";
    if (missed == 0) {
        return text + "alle " + FormatInteger(std::int64_t(draws)) + " Ziehungen" + withKeys +
               " erfüllt";
    }
    return text + FormatInteger(std::int64_t(missed)) + " von " +
           FormatInteger(std::int64_t(draws)) + " Ziehungen" + withKeys + " ohne die Garantie";
}

std::string budgetSummary(const BuildRequest& request, std::size_t rows,
                          const Verification& proof) {
    const double share = 100.0 * double(proof.draws - proof.missed) /
                         double(std::max<std::uint64_t>(proof.draws, 1));
    std::string percent = FormatDecimal(share, 3);
    // A missed draw never reads as all of them.
    if (proof.missed > 0 && percent == "100.000") percent = "99.999";
    return "Garantie mit " + rowCountText(rows) + " nicht erreichbar: " + percent + " % der " +
           FormatInteger(std::int64_t(proof.draws)) + " Ziehungen" +
           (request.keyNumbers.empty() ? "" : " mit den Bankzahlen") + " erfüllt";
}

std::string plugSummary(const MendedSystem& mended) {
    return "Lücken geschlossen: " + rowCountText(mended.rows.size() - mended.givenRows) +
           " ergänzt (untere Schranke " + FormatInteger(std::int64_t(mended.addedLowerBound)) + ")";
}

std::string trimSummary(const MendedSystem& mended) {
    const std::size_t removed = mended.givenRows - std::min(mended.givenRows, mended.rows.size());
    std::string text = "System gekürzt: " + rowCountText(removed) + " weniger";
    if (mended.newRows > 0) text += ", dabei " + rowCountText(mended.newRows) + " ausgetauscht";
    return text;
}

std::string unmetGuaranteeText(const BuildRequest& request, const Verification& given) {
    return "Das System erfüllt die Garantie " + FormatInteger(request.guarantee) + " wenn " +
           FormatInteger(request.drawn) + " nicht: " + FormatInteger(std::int64_t(given.missed)) +
           " von " + FormatInteger(std::int64_t(given.draws)) + " Ziehungen ohne sie.";
}

}  // namespace lorvex::builder
