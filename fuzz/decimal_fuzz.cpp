// Any text against the program's decimal number reader: it must accept
// exactly the texts the slow second reader accepts, with the very same long
// double value (bit for bit, so -0 and +0 differ), and ParseDecimalOrThrow
// and IsDecimalNumber must agree with it.

#include "DecimalFuzzInput.h"
#include "ReferenceDecimal.h"

#include "ActionError.h"
#include "DecimalNumber.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

static_assert(std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::max_exponent == 16384,
              "the comparison below assumes the x86 80-bit extended long double");
constexpr size_t kExtendedBytes = 10; // the rest of a long double is padding

bool SameBits(long double a, long double b) {
    unsigned char bytesA[sizeof(long double)];
    unsigned char bytesB[sizeof(long double)];
    std::memcpy(bytesA, &a, sizeof a);
    std::memcpy(bytesB, &b, sizeof b);
    return std::memcmp(bytesA, bytesB, kExtendedBytes) == 0;
}

bool SameResult(const std::optional<long double>& a, const std::optional<long double>& b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || SameBits(*a, *b);
}

std::string Shown(QStringView text) {
    std::string shown = "\"";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'"' && u != u'\\') {
            shown += static_cast<char>(u);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(u));
            shown += escaped;
        }
    }
    return shown + "\"";
}

std::string Shown(const std::optional<long double>& value) {
    if (!value)
        return "not a number";
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.21Lg (%La)", *value, *value);
    return buffer;
}

[[noreturn]] void Disagree(const char* what, const decimal_fuzz::TypedText& typed,
                           const std::optional<long double>& program, const std::optional<long double>& reference) {
    std::fprintf(stderr,
                 "decimal number readers disagree (%s)\n"
                 "  text:      %s (%lld characters)\n"
                 "  separator: '%c'\n"
                 "  program:   %s\n"
                 "  reference: %s\n",
                 what, Shown(typed.text).c_str(), static_cast<long long>(typed.text.size()),
                 static_cast<char>(typed.separator.unicode()), Shown(program).c_str(), Shown(reference).c_str());
    std::fflush(stderr);
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const decimal_fuzz::TypedText typed = decimal_fuzz::Decode(data, size);
    const std::u16string text = typed.text.toStdU16String();

    const std::optional<long double> program = ParseDecimal(typed.text, typed.separator);
    const std::optional<long double> reference = ReferenceDecimal(text, typed.separator.unicode());
    if (!SameResult(program, reference))
        Disagree("ParseDecimal", typed, program, reference);

    if (IsDecimalNumber(typed.text, typed.separator) != reference.has_value())
        Disagree("IsDecimalNumber", typed, program, reference);

    std::optional<long double> thrown;
    try {
        thrown = ParseDecimalOrThrow(typed.text, typed.separator);
    } catch (const ActionError& error) {
        const QString message = u'\'' + typed.text + QStringLiteral("' is not a valid floating point value");
        if (error.text() != message)
            Disagree("ParseDecimalOrThrow message", typed, program, reference);
    }
    if (!SameResult(thrown, reference))
        Disagree("ParseDecimalOrThrow", typed, thrown, reference);
    return 0;
}
