#include "tests/ui/test_support.h"

#include <sstream>

namespace lorvex::testing {

std::string validLines(int count) {
    std::ostringstream text;
    int written = 0;
    for (int a = 1; a <= 44 && written < count; ++a) {
        for (int b = a + 1; b <= 45 && written < count; ++b) {
            for (int c = b + 1; c <= 46 && written < count; ++c) {
                text << a << ' ' << b << ' ' << c << " 47 48 49\n";
                ++written;
            }
        }
    }
    return text.str();
}

ListRow row(std::array<std::string, LIST_COLUMNS> texts, bool grey) {
    return ListRow{std::move(texts), grey};
}

}  // namespace lorvex::testing
