// Runs the decimal number check on every file of the corpus folders named on
// the command line, then on a fixed series of made-up texts (always the same
// ones: the random source has a constant seed). Any disagreement between the
// two readers stops the program with a report of the text; a missing or empty
// corpus folder is an error too. First of all the second reader is checked on
// examples of the rule, so that both readers cannot share a mistake unseen.

#include "DecimalFuzzInput.h"
#include "ReferenceDecimal.h"

#include "DecimalNumber.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr std::mt19937::result_type kSeed = 1200;
constexpr long kMadeUpTexts = 200000;

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Example {
    const char16_t* text;
    char16_t separator;
    bool number;
    long double value; // read by the compiler, not by the C library
};

// clang-format off
const Example kExamples[] = {
    {u"1200", u'.', true, 1200.0L},
    {u" 0.95 ", u'.', true, 0.95L},
    {u"  +1.5  ", u'.', true, 1.5L},
    {u"12,5", u',', true, 12.5L},
    {u".", u'.', true, 0.0L},
    {u"-.", u'.', true, -0.0L},
    {u"-,", u',', true, -0.0L},
    {u"+.e1", u'.', true, 0.0L},
    {u"5.", u'.', true, 5.0L},
    {u".5", u'.', true, 0.5L},
    {u"1e", u'.', true, 1.0L},
    {u"1e+", u'.', true, 1.0L},
    {u"1E- ", u'.', true, 1.0L},
    {u"2.5E-3", u'.', true, 2.5E-3L},
    {u"0.1", u'.', true, 0.1L},
    {u"1e500", u'.', true, 1e500L},
    {u"1e0500", u'.', true, 1e500L},
    {u"1e0000000000012", u'.', true, 1e12L},
    {u"1e4932", u'.', true, 1e4932L},
    {u"1.18e4932", u'.', true, 1.18e4932L},
    {u"-1.18e4932", u'.', true, -1.18e4932L},
    {u"1e-4999", u'.', true, 0.0L},
    {u"-1e-4999", u'.', true, -0.0L},
    {u"3.6451995318824746025e-4951", u'.', true, 3.6451995318824746025e-4951L},
    {u"1e5000", u'.', false, 0},
    {u"1e-5000", u'.', false, 0},
    {u"0e5000", u'.', false, 0},
    {u"1e49999", u'.', false, 0},
    {u"1e4999", u'.', false, 0},
    {u"1.2e4932", u'.', false, 0},
    {u"-1.2e4932", u'.', false, 0},
    {u"12,5", u'.', false, 0},
    {u"12.5", u',', false, 0},
    {u"1,200.5", u'.', false, 0},
    {u"1,200.5", u',', false, 0},
    {u"1.200,5", u',', false, 0},
    {u"1 200", u'.', false, 0},
    {u"\t1", u'.', false, 0},
    {u"1\t", u'.', false, 0},
    {u"\u00A01", u'.', false, 0},
    {u"1\u3000", u'.', false, 0},
    {u"1 e5", u'.', false, 0},
    {u"- 1", u'.', false, 0},
    {u"\uFF11\uFF12", u'.', false, 0},
    {u"\u0665", u'.', false, 0},
    {u"\u22121", u'.', false, 0},
    {u"", u'.', false, 0},
    {u"   ", u'.', false, 0},
    {u"+", u'.', false, 0},
    {u"e5", u'.', false, 0},
    {u".e", u'.', true, 0.0L},
    {u"1.2.3", u'.', false, 0},
    {u"+-1", u'.', false, 0},
    {u"1e2e3", u'.', false, 0},
    {u"1e2.5", u'.', false, 0},
    {u"inf", u'.', false, 0},
    {u"nan", u'.', false, 0},
    {u"0x1p3", u'.', false, 0},
};
// clang-format on

// Whether the second reader reads every example as the rule says.
bool ReferenceFollowsExamples() {
    bool allRight = true;
    for (const Example& example : kExamples) {
        const std::optional<long double> read = ReferenceDecimal(example.text, example.separator);
        const bool right = read.has_value() == example.number &&
                           (!read || (*read == example.value && std::signbit(*read) == std::signbit(example.value)));
        if (!right) {
            std::fprintf(stderr, "the second reader is wrong on \"%s\" (separator '%c')\n",
                         QString::fromUtf16(example.text).toUtf8().constData(), static_cast<char>(example.separator));
            allRight = false;
        }
    }
    return allRight;
}

// Makes inputs in the byte form DecimalFuzzInput.h reads.
class InputMaker {
public:
    Bytes Next() {
        const uint32_t kind = Below(10);
        if (kind < 4)
            return AlphabetInput();
        if (kind < 9)
            return NumberLikeInput();
        return Utf16Input();
    }

private:
    uint32_t Below(uint32_t n) { return m_random() % n; }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    char16_t AnyAlphabetChar() { return decimal_fuzz::AlphabetChar(static_cast<uint8_t>(Below(256))); }

    // Bytes each standing for one character of the alphabet.
    Bytes AlphabetInput() {
        const uint32_t separatorBit = Below(2);
        const uint32_t notUtf16 = Below(7) << 1;
        Bytes bytes{static_cast<uint8_t>(separatorBit | notUtf16)};
        const uint32_t length = Below(20);
        for (uint32_t i = 0; i < length; ++i)
            bytes.push_back(static_cast<uint8_t>(Below(256)));
        return bytes;
    }

    // UTF-16 code units, mostly from the alphabet.
    Bytes Utf16Input() {
        Bytes bytes{static_cast<uint8_t>(decimal_fuzz::kUtf16Bits | Below(2))};
        const uint32_t length = Below(12);
        for (uint32_t i = 0; i < length; ++i) {
            const uint32_t unit = OneIn(16) ? Below(0x10000) : AnyAlphabetChar();
            bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        return bytes;
    }

    qsizetype Spaces() { return OneIn(2) ? static_cast<qsizetype>(Below(3)) : 0; }

    QString Digits(uint32_t count) {
        QString digits;
        for (uint32_t i = 0; i < count; ++i)
            digits += QChar(char16_t(u'0' + Below(10)));
        return digits;
    }

    // Texts shaped like numbers, with values near the ends of the extended
    // range and exponents near 500, now and then with one character changed.
    Bytes NumberLikeInput() {
        const char16_t separator = OneIn(2) ? u'.' : u',';
        const char16_t written = OneIn(10) ? (separator == u'.' ? u',' : u'.') : separator;

        QString text(Spaces(), u' ');
        if (!OneIn(3))
            text += OneIn(2) ? u'-' : u'+';

        if (OneIn(6)) {
            // The largest finite value, the point halfway between it and the
            // next power of two (where reading starts to overflow), the
            // smallest normal value, the smallest denormal and half of it.
            static const struct {
                const char16_t* digits;
                int exponent;
            } kEdges[] = {
                {u"11897314953572317650212638530309702051691", 4932},
                {u"11897314953572317650535115898294886679663", 4932},
                {u"33621031431120935062626778173217526025981", -4932},
                {u"36451995318824746025284059336194198163991", -4951},
                {u"18225997659412373012642029668097099081995", -4951},
            };
            const auto& edge = kEdges[Below(std::size(kEdges))];
            const QString digits = QString::fromUtf16(edge.digits);
            const uint32_t kept = Below(static_cast<uint32_t>(digits.size()));
            const uint32_t added = Below(25);
            text += digits.left(1) + QChar(written) + digits.mid(1, kept) + Digits(added);
            text += OneIn(2) ? u'e' : u'E';
            text += QString::number(edge.exponent + (OneIn(4) ? static_cast<int>(Below(3)) - 1 : 0));
        } else {
            text += Digits(OneIn(8) ? Below(40) : Below(4));
            if (OneIn(2))
                text += QChar(written) + Digits(Below(6));
            if (!OneIn(4)) {
                // Exponents around the 500 rule and the ends of the extended range.
                static const char16_t* const kExponents[] = {
                    u"",     u"0",  u"1",    u"12",   u"308",  u"499",  u"500",  u"501",  u"0500", u"00499", u"4999",
                    u"5000", u"50", u"4931", u"4932", u"4933", u"4950", u"4951", u"4952", u"4966", u"49999"};
                text += OneIn(2) ? u'e' : u'E';
                const uint32_t sign = Below(3);
                if (sign < 2)
                    text += sign == 0 ? u'-' : u'+';
                text += OneIn(3) ? Digits(1 + Below(6)) : QString::fromUtf16(kExponents[Below(std::size(kExponents))]);
            }
        }
        text += QString(Spaces(), u' ');

        if (OneIn(5) && !text.isEmpty()) {
            const auto at = static_cast<qsizetype>(Below(static_cast<uint32_t>(text.size())));
            switch (Below(3)) {
            case 0:
                text[at] = AnyAlphabetChar();
                break;
            case 1:
                text.insert(at, QChar(AnyAlphabetChar()));
                break;
            default:
                text.remove(at, 1);
                break;
            }
        }

        const QByteArray utf8 = text.toUtf8();
        Bytes bytes{static_cast<uint8_t>(separator)};
        bytes.insert(bytes.end(), utf8.begin(), utf8.end());
        return bytes;
    }

    std::mt19937 m_random{kSeed};
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }

    if (!ReferenceFollowsExamples())
        return 1;

    long corpusFiles = 0;
    for (int a = 1; a < argc; ++a) {
        const std::filesystem::path folder(argv[a]);
        if (!std::filesystem::is_directory(folder)) {
            std::fprintf(stderr, "%s: no such corpus folder: %s\n", argv[0], argv[a]);
            return 2;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        if (files.empty()) {
            std::fprintf(stderr, "%s: the corpus folder %s holds no files\n", argv[0], argv[a]);
            return 2;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            const Bytes bytes = ReadFile(file);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++corpusFiles;
        }
    }

    InputMaker maker;
    long numbers = 0;
    for (long i = 0; i < kMadeUpTexts; ++i) {
        const Bytes bytes = maker.Next();
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        const decimal_fuzz::TypedText typed = decimal_fuzz::Decode(bytes.data(), bytes.size());
        numbers += IsDecimalNumber(typed.text, typed.separator) ? 1 : 0;
    }

    std::printf("%ld corpus files and %ld made-up texts (%ld of them numbers): both readers agree\n", corpusFiles,
                kMadeUpTexts, numbers);
    return 0;
}
