#include "textgrammar.h"

#include <charconv>

namespace {

const std::string decimalDigits = "0123456789";
const std::string octalDigits = "01234567";
const std::string hexDigits = "0123456789abcdefABCDEF";

char oneOf(Choices& c, const std::string& alphabet) {
    return alphabet[c.pick(static_cast<unsigned>(alphabet.size()))];
}

std::string digits(Choices& c, const std::string& alphabet, unsigned most) {
    std::string s(1 + c.pick(most), ' ');
    for (char& digit : s)
        digit = oneOf(c, alphabet);
    return s;
}

std::string sign(Choices& c) {
    const char* const signs[] = {"", "+", "-"};
    return signs[c.pick(3)];
}

// A decimal; one like "+12.345", of one to three digits before the period and three after it,
// no minus and no exponent, also reads as thousands when nothing follows it: then
// `asThousands` receives that whole number.
std::string decimal(Choices& c, std::optional<double>& asThousands) {
    std::string s = sign(c);
    switch (c.pick(4)) {
    case 0:
        s += digits(c, decimalDigits, 24);
        break;
    case 1:
        s += digits(c, decimalDigits, 24) + ".";
        break;
    case 2: {
        const std::string whole = digits(c, decimalDigits, 24);
        const std::string fraction = digits(c, decimalDigits, 24);
        s += whole + "." + fraction;
        if (s[0] != '-' && whole.size() <= 3 && fraction.size() == 3)
            asThousands = std::stoi(whole) * 1000.0 + std::stoi(fraction);
        break;
    }
    default:
        s += "." + digits(c, decimalDigits, 24);
        break;
    }
    if (c.pick(2) == 1) {
        s += oneOf(c, "Ee") + sign(c) + digits(c, decimalDigits, 4);
        asThousands.reset();
    }
    return s;
}

std::string radix(Choices& c) {
    const char letter = oneOf(c, "HhOo");
    const bool hex = letter == 'H' || letter == 'h';
    return std::string("&") + letter + digits(c, hex ? hexDigits : octalDigits, 24);
}

std::string inBase(std::uint32_t value, int base) {
    char buffer[40];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, base).ptr);
}

// A whole number in one of the ways of writing it that read as that number.
std::string whole(Choices& c, std::uint32_t value) {
    const std::string plain = inBase(value, 10);
    const unsigned zeros = 1 + c.pick(4);
    switch (c.pick(7)) {
    case 0:
        return plain;
    case 1:
        return std::string(zeros, '0') + plain;
    case 2:
        return plain + ".";
    case 3: // never three zeros: "5.000" is five thousand
        return plain + "." + std::string(zeros < 3 ? zeros : zeros + 1, '0');
    case 4:
        return std::string("&") + oneOf(c, "Hh") + inBase(value, 16);
    case 5:
        return std::string("&") + oneOf(c, "Oo") + inBase(value, 8);
    default:
        return plain + std::string(zeros, '0') + oneOf(c, "Ee") + "-" + std::to_string(zeros);
    }
}

// A whole number with periods between its thousands, perhaps after a "+": "2.147.483.646",
// and "0.250" below a thousand, so that there is always a period.
std::string inThousands(Choices& c, std::uint32_t value) {
    std::string s = inBase(value, 10);
    if (s.size() < 4)
        s.insert(0, 4 - s.size(), '0');
    for (int period = static_cast<int>(s.size()) - 3; period > 0; period -= 3)
        s.insert(static_cast<std::size_t>(period), ".");
    return (c.pick(2) == 1 ? "+" : "") + s;
}

std::string noNumber(Choices& c) {
    const char* const texts[] = {"",   "+",   "-",  ".", "+.",  "-.", "&", "&H",
                                 "&o", "&X1", "e5", "E", "abc", ",5", "x", "#1"};
    return texts[c.pick(16)];
}

// What may follow a number without becoming part of it: a character that no number form
// continues with, then anything. A decimal may also end in an exponent letter without
// digits, an octal number in an 8 or a 9.
std::string tail(Choices& c, const std::string& number) {
    std::string s;
    const bool decimal = !number.empty() && number[0] != '&';
    const bool octal = number.size() > 1 && (number[1] == 'O' || number[1] == 'o');
    const unsigned shape = c.pick(3);
    if (shape == 1 && decimal)
        s = oneOf(c, "Ee") + sign(c);
    else if (shape == 2 && octal)
        s = oneOf(c, "89");
    if (s.empty() || c.pick(2) == 1) {
        s += oneOf(c, ",x#%;z/!");
        const unsigned rest = c.pick(7);
        for (unsigned i = 0; i < rest; ++i)
            s += oneOf(c, "0123456789.eE+-&Hh,x");
    }
    return s;
}

void insertBlanks(Choices& c, std::string& text) {
    const unsigned count = c.pick(8);
    for (unsigned i = 0; i < count; ++i)
        text.insert(text.begin() + c.pick(static_cast<unsigned>(text.size()) + 1),
                    oneOf(c, " \t\n"));
}

} // namespace

unsigned Choices::pick(unsigned count) {
    if (count <= 1 || m_next == m_end)
        return 0;
    return *m_next++ % count;
}

std::uint32_t Choices::word() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | pick(256);
    return value;
}

GeneratedText generateText(Choices& c) {
    GeneratedText generated;
    std::optional<double> asThousands;
    bool nothingFollows = false;
    switch (c.pick(4)) {
    case 0:
        generated.number = decimal(c, asThousands);
        break;
    case 1:
        generated.number = radix(c);
        break;
    case 2: {
        const auto value = static_cast<std::uint32_t>(std::uint64_t{c.word()} >> c.pick(33));
        // Thousands read as one number only with nothing after them; "1.000x" is a decimal.
        nothingFollows = c.pick(3) == 0;
        generated.number = nothingFollows ? inThousands(c, value) : whole(c, value);
        generated.knownValue = value;
        break;
    }
    default:
        break;
    }
    generated.text = generated.number.empty() ? noNumber(c) : generated.number;
    generated.whole = nothingFollows || c.pick(2) == 0;
    if (generated.whole && asThousands)
        generated.knownValue = asThousands;
    if (!generated.whole)
        generated.text += tail(c, generated.number);
    insertBlanks(c, generated.text);
    return generated;
}
