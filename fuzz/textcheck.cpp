#include "textcheck.h"

#include "tests/fakecontrols.h"
#include "tests/oracle/expectedverdict.h"
#include "textgrammar.h"
#include "worksheet/conversions.h"
#include "worksheet/decomposition.h"
#include "worksheet/inputcheck.h"
#include "worksheet/practiceanswer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

using oracle::ReferenceReading;

std::string shown(std::string_view text) {
    std::string s = "\"";
    for (const char c : text) {
        if (c == '\t') {
            s += "\\t";
        } else if (c == '\n') {
            s += "\\n";
        } else if (c < ' ' || c > '~' || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            s += escaped;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

std::string shown(double value, bool found, bool wholeText) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.17g found=%d wholeText=%d", value, found, wholeText);
    return buffer;
}

bool identical(const NumberReading& a, const NumberReading& b) {
    return std::memcmp(&a.value, &b.value, sizeof a.value) == 0 && a.found == b.found &&
           a.wholeText == b.wholeText;
}

std::string decompositionProblem(const InputCheck& check) {
    const double value = check.value;
    Worksheet worksheet;
    FakeControls window(false);
    if (descomposar(worksheet, window, check, {}) != RunOutcome::Completed)
        return "the decomposition stopped";
    double product = 1;
    for (int i = 0; i < worksheet.factorCount; ++i)
        product *= worksheet.factors[i];
    if (product != value)
        return "the factors multiply to " + std::to_string(product);
    return {};
}

std::string inputCheckProblem(std::string_view text, const ReferenceReading& reading) {
    const InputCheck check = checkInput(text);
    const InputCheck again = checkInput(text);
    if (check.verdict != again.verdict ||
        std::memcmp(&check.value, &again.value, sizeof check.value) != 0)
        return "checkInput answers differently the second time";
    const Verdict expected = oracle::expectedVerdict(text, reading);
    if (check.verdict != expected || !(check.value == reading.value))
        return "checkInput gives verdict " + std::to_string(static_cast<int>(check.verdict)) +
               " for " + std::to_string(check.value) + ", expected " +
               std::to_string(static_cast<int>(expected));
    if (check.verdict == Verdict::Accepted)
        return decompositionProblem(check);
    return {};
}

std::string textProblem(std::string_view text) {
    const NumberReading reading = readNumber(text);
    if (!identical(reading, readNumber(text)))
        return "readNumber reads differently the second time";
    const ReferenceReading expected = oracle::referenceRead(text);
    if (reading.found != expected.found || reading.wholeText != expected.wholeText ||
        !(reading.value == expected.value))
        return "readNumber gives " + shown(reading.value, reading.found, reading.wholeText) +
               ", the rule " + shown(expected.value, expected.found, expected.wholeText) +
               " from " + shown(expected.number);
    return inputCheckProblem(text, expected);
}

// A practice answer against its plain definition: digits alone between blanks, the value at
// most 2147483647, leading zeros and all.
std::string answerProblem(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    std::string digits(first, std::max(first, last));
    bool whole = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
    if (whole)
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    whole = whole && (digits.size() < 10 || (digits.size() == 10 && digits <= "2147483647"));
    const std::optional<std::int32_t> read = readAnswer(text);
    if (read.has_value() != whole || (whole && std::to_string(*read) != digits))
        return "readAnswer gives " + (read ? std::to_string(*read) : "nothing") +
               ", the definition " + (whole ? digits : "nothing");
    return {};
}

std::string generatedProblem(const GeneratedText& generated) {
    std::string found = textProblem(generated.text);
    if (found.empty())
        found = answerProblem(generated.text);
    if (!found.empty())
        return found;
    const bool hasNumber = !generated.number.empty();
    const double value =
        hasNumber ? generated.knownValue.value_or(oracle::valueOf(generated.number)) : 0;
    const NumberReading reading = readNumber(generated.text);
    if (reading.found != hasNumber || reading.wholeText != (hasNumber && generated.whole) ||
        !(reading.value == value))
        return "readNumber gives " + shown(reading.value, reading.found, reading.wholeText) +
               ", the grammar meant " + shown(value, hasNumber, hasNumber && generated.whole) +
               " from " + shown(generated.number);
    return {};
}

} // namespace

std::string checkFuzzInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    std::string found = textProblem(typed);
    if (found.empty())
        found = answerProblem(typed);
    if (!found.empty())
        return "typed " + shown(typed) + ": " + found;
    Choices choices(data, size);
    const GeneratedText generated = generateText(choices);
    found = generatedProblem(generated);
    if (!found.empty())
        return "generated " + shown(generated.text) + ": " + found;
    return {};
}
