#include "core/messages.h"

#include <gtest/gtest.h>

#include <cerrno>
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
              "Kein Speicherplatz mehr auf dem Datentr\u00e4ger. Bitte Platz schaffen oder einen "
              "anderen Ort w\u00e4hlen.");
}

}  // namespace
}  // namespace lorvex
