#pragma once

// How a string of bytes becomes a text typed by the user and the decimal
// separator of the user's regional settings. The first byte chooses:
//   '.' or ','  that separator; the other bytes are the text in UTF-8, so that
//               a file holding ".1.5e3" (separator '.', text "1.5e3") is easy
//               to write and read by hand;
//   otherwise   the separator is ',' when bit 0 is set and '.' when not;
//               when bits 1-3 are all set the other bytes are UTF-16 code
//               units (low byte first, an odd last byte is dropped), and else
//               each byte is one character taken from a small alphabet of
//               what matters to a number: digits, spaces, signs, both
//               separators, E and e, and now and then an odd character.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace decimal_fuzz {

// Characters that can make a number; each byte below kOddFrom picks one of them.
inline constexpr std::array<char16_t, 24> kCommonChars = {
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u' ', u' ',
    u' ', u'+', u'-', u'.', u',', u'.', u',', u'e', u'E', u'0', u'5', u'9',
};

// Characters a user may type by mistake, or paste, that never make a number.
inline constexpr std::array<char16_t, 16> kOddChars = {
    u'\t',     // tab
    u'\u00A0', // no-break space
    u'\u2007', // figure space
    u'\u3000', // ideographic space
    u'\uFF10', // full-width digit zero
    u'\uFF11', // full-width digit one
    u'\u0665', // Arabic-Indic digit five
    u'\u0966', // Devanagari digit zero
    u'\u2212', // minus sign
    u'\'',     // thousands mark in Swiss notation
    u'_',
    u'x',
    u'\0',
    u'\uFF0E',        // full-width full stop
    u'\uFF0C',        // full-width comma
    char16_t(0xD835), // a lone high surrogate
};

inline constexpr unsigned kOddFrom = 256 - kOddChars.size();

inline char16_t AlphabetChar(uint8_t byte) {
    return byte >= kOddFrom ? kOddChars[byte - kOddFrom] : kCommonChars[byte % kCommonChars.size()];
}

inline constexpr uint8_t kUtf16Bits = 0x0E;

struct TypedText {
    QString text;
    QChar separator;
};

inline TypedText Decode(const uint8_t* data, size_t size) {
    TypedText typed{QString(), QChar(u'.')};
    if (size == 0)
        return typed;
    const uint8_t head = data[0];
    const uint8_t* rest = data + 1;
    const size_t restSize = size - 1;

    if (head == '.' || head == ',') {
        typed.separator = QChar(char16_t(head));
        typed.text = QString::fromUtf8(reinterpret_cast<const char*>(rest), static_cast<qsizetype>(restSize));
        return typed;
    }
    typed.separator = (head & 1) ? QChar(u',') : QChar(u'.');
    if ((head & kUtf16Bits) == kUtf16Bits) {
        for (size_t i = 0; i + 1 < restSize; i += 2)
            typed.text += QChar(char16_t(rest[i] | (rest[i + 1] << 8)));
    } else {
        for (size_t i = 0; i < restSize; ++i)
            typed.text += QChar(AlphabetChar(rest[i]));
    }
    return typed;
}

} // namespace decimal_fuzz
