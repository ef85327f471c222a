#include "builder/job/build_summary.h"

#include <algorithm>
#include <array>

#include "core/messages/messages.h"
#include "core/system/system_row.h"
#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

std::string twoDigits(int number) {
    return PadLeft(FormatInteger(number), 2, "0");
}

std::string grouped(std::uint64_t count) {
    return GroupedInteger(std::int64_t(count));
}

std::string withKeys(const BuildRequest& request) {
    if (request.keyNumbers.empty()) return "";
    return request.keyNumbers.size() == 1 ? " mit der Bankzahl" : " mit den Bankzahlen";
}

// "07", "07 und 11", "01, 07 und 11".
std::string keyList(const std::vector<int>& keys) {
    std::string text;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) text += i + 1 == keys.size() ? " und " : ", ";
        text += twoDigits(keys[i]);
    }
    return text;
}

// "einen Vierer".
std::string hitWord(int hits) {
    static constexpr std::array<std::string_view, 7> names = {
        "", "Einer", "Zweier", "Dreier", "Vierer", "Fünfer", "Sechser"};
    return "einen " + std::string(names[std::size_t(std::clamp(hits, 1, 6))]);
}

// "in 710 von 792 Ziehungen (89,6 %)": a missed draw never reads as all of them.
std::string shareText(const Verification& proof, std::string_view draws) {
    const std::uint64_t met = proof.draws - proof.missed;
    std::string percent =
        DecimalComma(100.0 * double(met) / double(std::max<std::uint64_t>(proof.draws, 1)), 1);
    if (proof.missed > 0 && percent == "100,0") percent = "99,9";
    return "in " + grouped(met) + " von " + grouped(proof.draws) + " " + std::string(draws) + " (" +
           percent + " %)";
}

}  // namespace

std::string earlierStartText(std::size_t rows) {
    return "Begonnen mit dem früher gebauten System aus " + rowCountText(rows) + ".";
}

std::string rowCountText(std::uint64_t rows) {
    return grouped(rows) + (rows == 1 ? " Reihe" : " Reihen");
}

std::string buildSummary(const BuildRequest& request, std::size_t rows, std::uint64_t lowerBound,
                         std::uint64_t draws, std::uint64_t missed) {
    std::string text = FormatInteger(request.numbers) + " Zahlen";
    if (!request.keyNumbers.empty()) {
        text += request.keyNumbers.size() == 1 ? ", Bankzahl" : ", Bankzahlen";
        for (const int key : request.keyNumbers) text += " " + twoDigits(key);
    }
    text += ", Garantie " + FormatInteger(request.guarantee) + " wenn " +
            FormatInteger(request.drawn) + ": " + rowCountText(rows) + ", " +
            priceText(std::int64_t(rows));
    text += rows <= lowerBound ? " (so wenige wie möglich)"
                               : " (mindestens " + rowCountText(lowerBound) + " nötig)";
    if (missed == 0 && draws == 1)
        return text + ", geprüft an der einen Ziehung" + withKeys(request);
    if (missed == 0)
        return text + ", geprüft an allen " + grouped(draws) + " Ziehungen" + withKeys(request);
    return text + ", geprüft: in " + grouped(missed) + " von " + grouped(draws) + " Ziehungen" +
           withKeys(request) + " fehlt die Garantie";
}

std::string budgetSummary(const BuildRequest& request, std::size_t rows,
                          const Verification& proof) {
    return "Garantie mit " + rowCountText(rows) +
           " nicht erreicht: " + shareText(proof, "Ziehungen" + withKeys(request)) + ", " +
           priceText(std::int64_t(rows));
}

std::string guaranteeSentence(const BuildRequest& request, const Verification& proof) {
    std::string text = "Sind " + FormatInteger(request.drawn) + " Ihrer " +
                       FormatInteger(request.numbers) + " Zahlen gezogen";
    if (!request.keyNumbers.empty()) {
        text += request.keyNumbers.size() == 1 ? ", darunter die Bankzahl "
                                               : ", darunter die Bankzahlen ";
        text += keyList(request.keyNumbers);
    }
    text += ", haben Sie ";
    if (proof.met()) return text + "sicher " + hitWord(request.guarantee) + ".";
    return text + hitWord(request.guarantee) + " " + shareText(proof, "Fällen") + ".";
}

std::string plugSummary(const MendedSystem& mended) {
    const std::size_t added = mended.rows.size() - std::min(mended.givenRows, mended.rows.size());
    if (added == 0) return "Keine Lücken: das System erfüllt die Garantie schon.";
    const std::string first = GroupedInteger(std::int64_t(mended.givenRows + 1));
    const std::string last = GroupedInteger(std::int64_t(mended.rows.size()));
    const std::string which = added == 1 ? "Reihe " + first : "Reihen " + first + " bis " + last;
    const std::string lead =
        mended.proof.met() ? "Lücken geschlossen" : "Lücken nicht alle geschlossen";
    return lead + ", ergänzt: " + which + " (" + rowCountText(added) + ", mindestens " +
           grouped(mended.addedLowerBound) + " nötig)";
}

std::string trimSummary(const MendedSystem& mended) {
    const std::size_t removed = mended.givenRows - std::min(mended.givenRows, mended.rows.size());
    if (removed == 0 && mended.newRows == 0)
        return "Keine Reihe entbehrlich: das System bleibt, wie es ist.";
    std::string text = "System gekürzt: " + rowCountText(removed) + " weniger";
    if (mended.newRows > 0) text += ", dabei " + rowCountText(mended.newRows) + " ausgetauscht";
    return text;
}

std::string unmetGuaranteeText(const BuildRequest& request, const Verification& given) {
    return "Das System erfüllt die Garantie " + FormatInteger(request.guarantee) + " wenn " +
           FormatInteger(request.drawn) + " nicht: in " + grouped(given.missed) + " von " +
           grouped(given.draws) + " Ziehungen" + withKeys(request) + " fehlt sie.";
}

std::string tooManyRowsText(std::size_t rows) {
    return "Das System hätte " + rowCountText(rows) + "; Lorvex verarbeitet höchstens " +
           GroupedInteger(MAX_SYSTEM_ROWS) + ".";
}

}  // namespace lorvex::builder
