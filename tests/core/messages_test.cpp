#include "core/messages/messages.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace lorvex {
namespace {

// Each failure a user can run into names the cause, then says what to do about it.
TEST(FailureReasonTest, KnownFailuresSayWhatToDo) {
    const int whenOpening[] = {ENOENT, EISDIR, ENOTDIR, EACCES, EPERM, ENAMETOOLONG, EFBIG,
                               EIO,    ENOMEM, EMFILE,  ENFILE, ELOOP, EBUSY,        ETXTBSY};
    const int whenSaving[] = {ENOENT, EISDIR, ENOTDIR, EACCES,       EPERM,  ENOSPC,
                              EDQUOT, EROFS,  EFBIG,   ENAMETOOLONG, EIO,    ENOMEM,
                              EMFILE, ENFILE, ELOOP,   EBUSY,        ETXTBSY};
    const auto expectAdvice = [](const std::string& reason, int error) {
        const std::string cause = SystemErrorText(error);
        EXPECT_TRUE(reason.starts_with(cause + " Bitte ") || reason.starts_with(cause + " Die "))
            << reason;
        EXPECT_TRUE(reason.ends_with(".")) << reason;
    };
    for (const int error : whenOpening) expectAdvice(openFailureReason(error), error);
    for (const int error : whenSaving) expectAdvice(saveFailureReason(error), error);
    // Where the system's own words are all there is, they stand alone.
    EXPECT_EQ(openFailureReason(EXDEV), SystemErrorText(EXDEV));
    EXPECT_EQ(saveFailureReason(ENOSPC),
              "Kein Speicherplatz mehr auf dem Datenträger. Bitte Platz schaffen oder einen "
              "anderen Ort wählen.");
}

// No reason in English or in whatever language the locale speaks: every number the C library
// knows has a German sentence, and any other a German one too.
TEST(SystemErrorTextTest, EveryErrorNumberIsGerman) {
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    for (int error = 1; error < 200; ++error) {
        const std::string text = SystemErrorText(error);
        EXPECT_TRUE(text.ends_with(".")) << error;
        EXPECT_EQ(text.find(strerror_l(error, cLocale)), std::string::npos) << text;
    }
    freelocale(cLocale);
    EXPECT_EQ(SystemErrorText(ENXIO),
              "Das Gerät ist nicht bereit (bei einer Pipe: niemand liest oder schreibt am anderen "
              "Ende).");
    EXPECT_EQ(SystemErrorText(9999), "Unbekannter Systemfehler 9999.");
}

// German counts one in the singular.
TEST(CountedTextTest, OneIsSingular) {
    EXPECT_EQ(systemRowsText(1), "1 Systemreihe");
    EXPECT_EQ(systemNumbersText(12), "12 Systemzahlen");
}

}  // namespace
}  // namespace lorvex
