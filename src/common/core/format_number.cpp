#include "common/core/format_number.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/core/decimal_digits.h"
#include "common/core/locale_settings.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"

namespace coinwell {

namespace {

using detail::DecimalDigits;

// ---------------------------------------------------------------------------------------------
// Reading a pattern

enum class Kind : std::uint8_t {
    Literal,
    Digit,     // "0" (zeroFill) or "#"
    Point,     // "."
    Comma,     // ","
    Percent,   // "%"
    Exponent,  // "E+", "E-", "e+", "e-"
    Day,       // d... (count)
    Month,     // m...
    Year,      // y...
    Hour,      // h...
    Minute,    // n..., or m... read as minutes
    Second,    // s...
    AmPm,      // AM/PM, am/pm, A/P, a/p, AMPM
    DateSeparator,
    TimeSeparator,
};

// What a token does in a number section, settled once the section is read.
enum class Role : std::uint8_t {
    Text,          // shows its own characters
    Nothing,       // shows nothing (a grouping or scaling comma)
    IntegerDigit,  // index counts from the rightmost integer placeholder
    FractionDigit,
    ExponentMark,
    ExponentDigit,
    DecimalPoint,
};

enum class AmPmStyle : std::uint8_t { Upper, Lower, UpperLetter, LowerLetter, Locale };

struct Token {
    Kind kind = Kind::Literal;
    Role role = Role::Text;
    bool flag = false;  // Digit: "0"; Exponent: "+"
    std::uint8_t style = 0;
    int count = 1;  // run length of a date placeholder
    int index = 0;
    std::uint32_t offset = 0;  // the token's own characters in the pattern
    std::uint32_t length = 0;
};

struct Section {
    int begin = 0;  // tokens [begin, end)
    int end = 0;
    bool isDate = false;
    bool hasTwelveHour = false;
    // Number sections.
    bool showsNumber = false;  // any digit placeholder or decimal point
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;
    int decimals = 0;
    int minFractionDigits = 0;
    bool hasPoint = false;
    bool grouping = false;
    bool hasExponent = false;
    int minExponentDigits = 1;
    int power = 0;  // 10^power applied by "%" and scaling commas

    bool empty() const { return begin == end; }
};

struct CompiledPattern {
    std::string text;
    std::vector<Token> tokens;
    std::array<Section, 4> sections;
    int sectionCount = 1;
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.size() - at >= prefix.size() &&
           equalsIgnoringCase(text.substr(at, prefix.size()), prefix);
}

bool isSpecial(char c) {
    switch (lower(c)) {
        case '"':
        case '\\':
        case ';':
        case '0':
        case '#':
        case '.':
        case ',':
        case '%':
        case 'e':
        case 'd':
        case 'm':
        case 'y':
        case 'h':
        case 'n':
        case 's':
        case 'a':
        case '/':
        case ':':
            return true;
        default:
            return false;
    }
}

// Length in bytes of the UTF-8 character starting with byte c (1 for a stray byte).
std::size_t characterLength(unsigned char c) {
    if (c >= 0xF0 && c < 0xF8) {
        return 4;
    }
    if (c >= 0xE0) {
        return c < 0xF0 ? 3 : 1;
    }
    if (c >= 0xC0) {
        return 2;
    }
    return 1;
}

bool isDateKind(Kind kind) {
    switch (kind) {
        case Kind::Day:
        case Kind::Month:
        case Kind::Year:
        case Kind::Hour:
        case Kind::Minute:
        case Kind::Second:
        case Kind::AmPm:
            return true;
        default:
            return false;
    }
}

void tokenize(CompiledPattern& compiled) {
    const std::string& p = compiled.text;
    auto& tokens = compiled.tokens;
    auto add = [&](Kind kind, std::size_t offset, std::size_t length) -> Token& {
        Token token;
        token.kind = kind;
        token.offset = static_cast<std::uint32_t>(offset);
        token.length = static_cast<std::uint32_t>(length);
        tokens.push_back(token);
        return tokens.back();
    };
    int section = 0;
    compiled.sections[0].begin = 0;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        const char lc = lower(c);
        if (c == '"') {
            std::size_t close = p.find('"', i + 1);
            if (close == std::string::npos) {
                throw BadFormatPattern("Unterminated quoted text in format pattern");
            }
            if (close > i + 1) {
                add(Kind::Literal, i + 1, close - i - 1);
            }
            i = close + 1;
        } else if (c == '\\') {
            if (i + 1 >= p.size()) {
                throw BadFormatPattern("Format pattern ends with \\");
            }
            std::size_t length = characterLength(static_cast<unsigned char>(p[i + 1]));
            if (i + 1 + length > p.size()) {
                length = p.size() - i - 1;
            }
            add(Kind::Literal, i + 1, length);
            i += 1 + length;
        } else if (c == ';') {
            if (section == 3) {
                throw BadFormatPattern("More than four sections in format pattern");
            }
            compiled.sections[section].end = static_cast<int>(tokens.size());
            ++section;
            compiled.sections[section].begin = static_cast<int>(tokens.size());
            ++i;
        } else if (c == '0' || c == '#') {
            add(Kind::Digit, i, 1).flag = c == '0';
            ++i;
        } else if (c == '.') {
            add(Kind::Point, i, 1);
            ++i;
        } else if (c == ',') {
            add(Kind::Comma, i, 1);
            ++i;
        } else if (c == '%') {
            add(Kind::Percent, i, 1);
            ++i;
        } else if (lc == 'e' && i + 1 < p.size() && (p[i + 1] == '+' || p[i + 1] == '-')) {
            add(Kind::Exponent, i, 2).flag = p[i + 1] == '+';
            i += 2;
        } else if (lc == 'a' && startsWithIgnoringCase(p, i, "am/pm")) {
            add(Kind::AmPm, i, 5).style =
                static_cast<std::uint8_t>(c == 'A' ? AmPmStyle::Upper : AmPmStyle::Lower);
            i += 5;
        } else if (lc == 'a' && startsWithIgnoringCase(p, i, "a/p")) {
            add(Kind::AmPm, i, 3).style = static_cast<std::uint8_t>(
                c == 'A' ? AmPmStyle::UpperLetter : AmPmStyle::LowerLetter);
            i += 3;
        } else if (lc == 'a' && startsWithIgnoringCase(p, i, "ampm")) {
            add(Kind::AmPm, i, 4).style = static_cast<std::uint8_t>(AmPmStyle::Locale);
            i += 4;
        } else if (lc == 'd' || lc == 'm' || lc == 'y' || lc == 'h' || lc == 'n' || lc == 's') {
            std::size_t j = i;
            while (j < p.size() && lower(p[j]) == lc) {
                ++j;
            }
            Kind kind = lc == 'd'   ? Kind::Day
                        : lc == 'm' ? Kind::Month
                        : lc == 'y' ? Kind::Year
                        : lc == 'h' ? Kind::Hour
                        : lc == 'n' ? Kind::Minute
                                    : Kind::Second;
            int count = j - i > 16 ? 16 : static_cast<int>(j - i);
            add(kind, i, j - i).count = count;
            i = j;
        } else if (c == '/') {
            add(Kind::DateSeparator, i, 1);
            ++i;
        } else if (c == ':') {
            add(Kind::TimeSeparator, i, 1);
            ++i;
        } else {
            std::size_t j = i + 1;
            while (j < p.size() && !isSpecial(p[j])) {
                ++j;
            }
            add(Kind::Literal, i, j - i);
            i = j;
        }
    }
    compiled.sections[section].end = static_cast<int>(tokens.size());
    compiled.sectionCount = section + 1;
}

// Settles a date section: an "m" or "mm" right after an hour or right before a second (with only
// separators and literal text between) is minutes.
void readDateSection(CompiledPattern& compiled, Section& section) {
    auto& tokens = compiled.tokens;
    Kind previous = Kind::Literal;
    for (int i = section.begin; i < section.end; ++i) {
        Token& token = tokens[i];
        if (token.kind == Kind::AmPm) {
            section.hasTwelveHour = true;
        }
        if (!isDateKind(token.kind)) {
            continue;
        }
        if (token.kind == Kind::Month && token.count <= 2) {
            bool afterHour = previous == Kind::Hour;
            bool beforeSecond = false;
            for (int j = i + 1; j < section.end; ++j) {
                if (isDateKind(tokens[j].kind)) {
                    beforeSecond = tokens[j].kind == Kind::Second;
                    break;
                }
            }
            if (afterHour || beforeSecond) {
                token.kind = Kind::Minute;
            }
        }
        previous = token.kind;
    }
}

void readNumberSection(CompiledPattern& compiled, Section& section) {
    auto& tokens = compiled.tokens;
    enum class Part { Integer, Fraction, ExponentDigits, AfterExponent } part = Part::Integer;
    int integerCount = 0;
    int firstZero = -1;  // position of the leftmost integer "0", counted from the left
    int fractionCount = 0;
    int pendingCommas = 0;
    int scalingCommas = 0;
    int percents = 0;
    int exponentZeros = 0;
    int exponentCount = 0;
    std::vector<int> integerTokens;
    auto closeInteger = [&] {
        if (integerCount > 0 || fractionCount > 0) {
            scalingCommas += pendingCommas;
        }
        pendingCommas = 0;
    };
    for (int i = section.begin; i < section.end; ++i) {
        Token& token = tokens[i];
        if (part == Part::ExponentDigits && token.kind != Kind::Digit) {
            part = Part::AfterExponent;
        }
        switch (token.kind) {
            case Kind::Digit:
                if (part == Part::Integer) {
                    if (pendingCommas > 0 && integerCount > 0) {
                        section.grouping = true;
                    }
                    pendingCommas = 0;
                    if (token.flag && firstZero < 0) {
                        firstZero = integerCount;
                    }
                    token.role = Role::IntegerDigit;
                    integerTokens.push_back(i);
                    ++integerCount;
                } else if (part == Part::Fraction) {
                    pendingCommas = 0;  // commas between decimals mean nothing
                    token.role = Role::FractionDigit;
                    token.index = fractionCount++;
                    if (token.flag) {
                        section.minFractionDigits = fractionCount;
                    }
                } else if (part == Part::ExponentDigits) {
                    token.role = Role::ExponentDigit;
                    token.index = exponentCount++;
                    if (token.flag) {
                        ++exponentZeros;
                    }
                } else {
                    throw BadFormatPattern("Digit placeholder after the exponent");
                }
                break;
            case Kind::Point:
                if (part == Part::Integer) {
                    closeInteger();
                    part = Part::Fraction;
                    token.role = Role::DecimalPoint;
                    section.hasPoint = true;
                } else {
                    token.role = Role::Text;
                }
                break;
            case Kind::Comma:
                if (part == Part::Integer || part == Part::Fraction) {
                    ++pendingCommas;
                }
                token.role = Role::Nothing;
                break;
            case Kind::Percent:
                ++percents;
                token.role = Role::Text;
                break;
            case Kind::Exponent:
                if (part == Part::AfterExponent || part == Part::ExponentDigits) {
                    throw BadFormatPattern("Two exponents in one format section");
                }
                if (i + 1 >= section.end || tokens[i + 1].kind != Kind::Digit) {
                    throw BadFormatPattern("Exponent without digit placeholders");
                }
                pendingCommas = 0;
                part = Part::ExponentDigits;
                token.role = Role::ExponentMark;
                section.hasExponent = true;
                break;
            default:
                token.role = Role::Text;
                break;
        }
    }
    if (part == Part::Integer || part == Part::Fraction) {
        // Commas at the end of the number part scale it.
        closeInteger();
    }
    for (int k = 0; k < integerCount; ++k) {
        tokens[integerTokens[k]].index = integerCount - 1 - k;
    }
    section.integerPlaceholders = integerCount;
    section.minIntegerDigits = firstZero < 0 ? 0 : integerCount - firstZero;
    section.decimals = fractionCount;
    section.minExponentDigits = exponentZeros > 0 ? exponentZeros : 1;
    section.showsNumber = integerCount > 0 || section.hasPoint || section.hasExponent;
    long power = 2L * percents - 3L * scalingCommas;
    section.power = power < -400 ? -400 : power > 400 ? 400 : static_cast<int>(power);
}

void compile(CompiledPattern& compiled) {
    compiled.tokens.clear();
    compiled.sections = {};
    tokenize(compiled);
    for (int s = 0; s < compiled.sectionCount; ++s) {
        Section& section = compiled.sections[s];
        for (int i = section.begin; i < section.end; ++i) {
            if (isDateKind(compiled.tokens[i].kind)) {
                section.isDate = true;
                break;
            }
        }
        if (section.isDate) {
            readDateSection(compiled, section);
        } else {
            readNumberSection(compiled, section);
        }
    }
}

// Recently used patterns, read once: a screen formats many values with a few patterns.
const CompiledPattern& compiledPattern(std::string_view pattern) {
    constexpr int kSlots = 8;
    thread_local std::array<CompiledPattern, kSlots> cache;
    thread_local std::array<bool, kSlots> filled{};
    thread_local int next = 0;
    for (int i = 0; i < kSlots; ++i) {
        if (filled[i] && cache[i].text == pattern) {
            return cache[i];
        }
    }
    CompiledPattern& slot = cache[next];
    filled[next] = false;
    slot.text.assign(pattern);
    compile(slot);  // throws BadFormatPattern; the slot stays empty
    filled[next] = true;
    next = (next + 1) % kSlots;
    return slot;
}

// ---------------------------------------------------------------------------------------------
// Numbers

// Collects a short text on the stack and moves to the heap only when it grows long: most
// formatted numbers are short and formatted by the thousand.
class TextBuilder {
  public:
    void push_back(char c) {
        if (size_ < kInline) {
            inline_[size_++] = c;
        } else {
            spill();
            heap_.push_back(c);
        }
    }
    TextBuilder& operator+=(std::string_view text) {
        if (size_ + text.size() <= kInline) {
            text.copy(inline_ + size_, text.size());
            size_ += text.size();
        } else {
            spill();
            heap_ += text;
        }
        return *this;
    }
    void append(const std::string& text, std::size_t offset, std::size_t length) {
        *this += std::string_view(text).substr(offset, length);
    }
    void clear() {
        size_ = 0;
        spilled_ = false;
        heap_.clear();
    }
    std::string str() const { return spilled_ ? heap_ : std::string(inline_, size_); }

  private:
    static constexpr std::size_t kInline = 96;
    void spill() {
        if (!spilled_) {
            heap_.assign(inline_, size_);
            spilled_ = true;
            size_ = kInline;  // stays full: everything further goes to the heap
        }
    }
    char inline_[kInline];
    std::size_t size_ = 0;
    bool spilled_ = false;
    std::string heap_;
};

void appendExponent(TextBuilder& out, int exponent, int minDigits) {
    char digits[16];
    int n = 0;
    unsigned magnitude = exponent < 0 ? -exponent : exponent;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int i = n; i < minDigits; ++i) {
        out.push_back('0');
    }
    while (n > 0) {
        out.push_back(digits[--n]);
    }
}

// Renders a number section with the magnitude of the value; returns whether the value shown is
// zero (after scaling and rounding).
bool renderNumberSection(const CompiledPattern& compiled, const Section& section,
                         DecimalDigits number, const LocaleSettings& locale, TextBuilder& out) {
    number.negative = false;
    detail::shiftDecimal(number, section.power);
    int exponent = 0;
    if (section.hasExponent) {
        if (!number.isZero()) {
            exponent = number.pointPos - section.integerPlaceholders;
            number.pointPos = section.integerPlaceholders;
            detail::roundDecimals(number, section.decimals);
            if (!number.isZero() && number.pointPos > section.integerPlaceholders) {
                exponent += number.pointPos - section.integerPlaceholders;
                number.pointPos = section.integerPlaceholders;
            }
        }
    } else {
        detail::roundDecimals(number, section.decimals);
    }
    const bool zero = number.isZero();

    // Integer digits, with leading zeros up to the "0" placeholders.
    char integerBuffer[48];
    std::string integerLong;
    const char* integerDigits = integerBuffer;
    int integerCount = number.pointPos > 0 ? number.pointPos : 0;
    int padding =
        section.minIntegerDigits > integerCount ? section.minIntegerDigits - integerCount : 0;
    int totalInteger = integerCount + padding;
    if (totalInteger > static_cast<int>(sizeof integerBuffer)) {
        integerLong.assign(padding, '0');
        detail::appendIntegerDigits(number, integerLong);
        integerDigits = integerLong.data();
    } else {
        for (int i = 0; i < padding; ++i) {
            integerBuffer[i] = '0';
        }
        for (int i = 0; i < integerCount; ++i) {
            integerBuffer[padding + i] = number.digitAt(i);
        }
    }
    auto emitInteger = [&](int from, int to) {  // digits [from, to) counted from the left
        for (int k = from; k < to; ++k) {
            out.push_back(integerDigits[k]);
            int place = totalInteger - 1 - k;
            if (section.grouping && place > 0 && place % 3 == 0) {
                out += locale.groupSeparator;
            }
        }
    };
    int shownFraction = number.fractionLength();
    if (shownFraction < section.minFractionDigits) {
        shownFraction = section.minFractionDigits;
    }
    const std::string& text = compiled.text;
    for (int i = section.begin; i < section.end; ++i) {
        const Token& token = compiled.tokens[i];
        switch (token.role) {
            case Role::Text:
                out.append(text, token.offset, token.length);
                break;
            case Role::Nothing:
                break;
            case Role::IntegerDigit:
                if (token.index == section.integerPlaceholders - 1 &&
                    totalInteger > section.integerPlaceholders) {
                    emitInteger(0, totalInteger - section.integerPlaceholders);
                }
                if (token.index < totalInteger) {
                    int k = totalInteger - 1 - token.index;
                    emitInteger(k, k + 1);
                }
                break;
            case Role::DecimalPoint:
                if (section.integerPlaceholders == 0) {
                    emitInteger(0, totalInteger);
                }
                out += locale.decimalSeparator;
                break;
            case Role::FractionDigit:
                if (token.index < shownFraction) {
                    out.push_back(number.digitAt(number.pointPos + token.index));
                }
                break;
            case Role::ExponentMark:
                out.push_back(text[token.offset]);
                if (exponent < 0) {
                    out.push_back('-');
                } else if (token.flag) {
                    out.push_back('+');
                }
                break;
            case Role::ExponentDigit:
                if (token.index == 0) {
                    appendExponent(out, exponent, section.minExponentDigits);
                }
                break;
        }
    }
    return zero;
}

// ---------------------------------------------------------------------------------------------
// Dates

void appendTwoDigits(std::string& out, int value) {
    out.push_back(static_cast<char>('0' + value / 10 % 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

void appendNumber(std::string& out, int value) {
    out += std::to_string(value);
}

void renderDate(const CompiledPattern& compiled, const Section& section, const DateTime& when,
                const LocaleSettings& locale, bool nested, std::string& out);

void renderLocalePattern(const std::string& pattern, const DateTime& when,
                         const LocaleSettings& locale, std::string& out) {
    CompiledPattern compiled;
    compiled.text = pattern;
    try {
        compile(compiled);
    } catch (const BadFormatPattern&) {
        return;
    }
    renderDate(compiled, compiled.sections[0], when, locale, true, out);
}

void renderDate(const CompiledPattern& compiled, const Section& section, const DateTime& when,
                const LocaleSettings& locale, bool nested, std::string& out) {
    const std::string& text = compiled.text;
    for (int i = section.begin; i < section.end; ++i) {
        const Token& token = compiled.tokens[i];
        switch (token.kind) {
            case Kind::Day:
                if (token.count == 1) {
                    appendNumber(out, when.day);
                } else if (token.count == 2) {
                    appendTwoDigits(out, when.day);
                } else if (token.count == 3) {
                    out += locale.dayAbbreviations[weekdayOf(when) - 1];
                } else if (token.count == 4 || nested) {
                    out += locale.dayNames[weekdayOf(when) - 1];
                } else if (token.count == 5) {
                    renderLocalePattern(locale.shortDatePattern, when, locale, out);
                } else {
                    renderLocalePattern(locale.longDatePattern, when, locale, out);
                }
                break;
            case Kind::Month:
                if (token.count == 1) {
                    appendNumber(out, when.month);
                } else if (token.count == 2) {
                    appendTwoDigits(out, when.month);
                } else if (token.count == 3) {
                    out += locale.monthAbbreviations[when.month - 1];
                } else {
                    out += locale.monthNames[when.month - 1];
                }
                break;
            case Kind::Year:
                if (token.count == 1) {
                    appendNumber(out, dayOfYear(when));
                } else if (token.count == 2) {
                    appendTwoDigits(out, when.year % 100);
                } else {
                    appendNumber(out, when.year);
                }
                break;
            case Kind::Hour: {
                int hour = when.hour;
                if (section.hasTwelveHour) {
                    hour = hour % 12 == 0 ? 12 : hour % 12;
                }
                if (token.count == 1) {
                    appendNumber(out, hour);
                } else {
                    appendTwoDigits(out, hour);
                }
                break;
            }
            case Kind::Minute:
                if (token.count == 1) {
                    appendNumber(out, when.minute);
                } else {
                    appendTwoDigits(out, when.minute);
                }
                break;
            case Kind::Second:
                if (token.count == 1) {
                    appendNumber(out, when.second);
                } else {
                    appendTwoDigits(out, when.second);
                }
                break;
            case Kind::AmPm: {
                bool pm = when.hour >= 12;
                switch (static_cast<AmPmStyle>(token.style)) {
                    case AmPmStyle::Upper:
                        out += pm ? "PM" : "AM";
                        break;
                    case AmPmStyle::Lower:
                        out += pm ? "pm" : "am";
                        break;
                    case AmPmStyle::UpperLetter:
                        out += pm ? "P" : "A";
                        break;
                    case AmPmStyle::LowerLetter:
                        out += pm ? "p" : "a";
                        break;
                    case AmPmStyle::Locale:
                        out += pm ? locale.pmDesignator : locale.amDesignator;
                        break;
                }
                break;
            }
            case Kind::DateSeparator:
                out += locale.dateSeparator;
                break;
            case Kind::TimeSeparator:
                out += locale.timeSeparator;
                break;
            default:
                out.append(text, token.offset, token.length);
                break;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Named patterns

enum class Named {
    None,
    GeneralNumber,
    Currency,
    Fixed,
    Standard,
    Percent,
    Scientific,
    YesNo,
    TrueFalse,
    OnOff,
    GeneralDate,
    LongDate,
    MediumDate,
    ShortDate,
    LongTime,
    MediumTime,
    ShortTime,
};

struct NamedEntry {
    std::string_view name;
    Named named;
};

constexpr NamedEntry kNamedPatterns[] = {
    {"General Number", Named::GeneralNumber},
    {"Currency", Named::Currency},
    {"Fixed", Named::Fixed},
    {"Standard", Named::Standard},
    {"Percent", Named::Percent},
    {"Scientific", Named::Scientific},
    {"Yes/No", Named::YesNo},
    {"True/False", Named::TrueFalse},
    {"On/Off", Named::OnOff},
    {"General Date", Named::GeneralDate},
    {"Long Date", Named::LongDate},
    {"Medium Date", Named::MediumDate},
    {"Short Date", Named::ShortDate},
    {"Long Time", Named::LongTime},
    {"Medium Time", Named::MediumTime},
    {"Short Time", Named::ShortTime},
};

Named namedPattern(std::string_view pattern) {
    if (pattern.size() < 5 || pattern.size() > 14) {
        return Named::None;
    }
    const char first = lower(pattern[0]);
    for (const NamedEntry& entry : kNamedPatterns) {
        if (entry.name.size() == pattern.size() && lower(entry.name[0]) == first &&
            equalsIgnoringCase(pattern, entry.name)) {
            return entry.named;
        }
    }
    return Named::None;
}

bool isDateNamed(Named named) {
    return named >= Named::GeneralDate;
}

std::string currencyText(double value, const LocaleSettings& locale) {
    DecimalDigits number = detail::decimalDigits(value, 15);
    const int decimals = locale.currencyDecimals < 0 ? 0 : locale.currencyDecimals;
    detail::roundDecimals(number, decimals);
    const bool negative = number.negative && !number.isZero();
    TextBuilder out;
    out += negative ? locale.currencyNegativePrefix : locale.currencyPositivePrefix;
    if (number.pointPos <= 0) {
        out.push_back('0');
    } else {
        for (int k = 0; k < number.pointPos; ++k) {
            out.push_back(number.digitAt(k));
            int place = number.pointPos - 1 - k;
            if (place > 0 && place % 3 == 0) {
                out += locale.groupSeparator;
            }
        }
    }
    if (decimals > 0) {
        out += locale.decimalSeparator;
        for (int k = 0; k < decimals; ++k) {
            out.push_back(number.digitAt(number.pointPos + k));
        }
    }
    out += negative ? locale.currencyNegativeSuffix : locale.currencyPositiveSuffix;
    return out.str();
}

std::string formatWithPattern(double value, std::string_view pattern);

std::string generalDate(double serial, const DateTime& when, const LocaleSettings& locale) {
    std::string out;
    bool hasDate = std::trunc(serial) != 0;
    bool hasTime = when.hour != 0 || when.minute != 0 || when.second != 0;
    if (hasDate) {
        renderLocalePattern(locale.shortDatePattern, when, locale, out);
    }
    if (hasTime || !hasDate) {
        if (hasDate) {
            out.push_back(' ');
        }
        renderLocalePattern(locale.longTimePattern, when, locale, out);
    }
    return out;
}

std::string formatNamedDate(Named named, double serial, const LocaleSettings& locale) {
    std::optional<DateTime> when = fromSerialDay(serial);
    if (!when) {
        return plainNumberText(serial);
    }
    std::string out;
    switch (named) {
        case Named::GeneralDate:
            return generalDate(serial, *when, locale);
        case Named::LongDate:
            renderLocalePattern(locale.longDatePattern, *when, locale, out);
            break;
        case Named::MediumDate:
            renderLocalePattern("dd-mmm-yy", *when, locale, out);
            break;
        case Named::ShortDate:
            renderLocalePattern(locale.shortDatePattern, *when, locale, out);
            break;
        case Named::LongTime:
            renderLocalePattern(locale.longTimePattern, *when, locale, out);
            break;
        case Named::MediumTime:
            renderLocalePattern("hh:nn AMPM", *when, locale, out);
            break;
        default:
            renderLocalePattern("hh:nn", *when, locale, out);
            break;
    }
    return out;
}

std::string formatNamed(Named named, double value, const LocaleSettings& locale) {
    switch (named) {
        case Named::GeneralNumber:
            return plainNumberText(value);
        case Named::Currency:
            return std::isfinite(value) ? currencyText(value, locale) : plainNumberText(value);
        case Named::Fixed:
            return formatWithPattern(value, "0.00");
        case Named::Standard:
            return formatWithPattern(value, "#,##0.00");
        case Named::Percent:
            return formatWithPattern(value, "0.00%");
        case Named::Scientific:
            return formatWithPattern(value, "0.00E+00");
        case Named::YesNo:
            return value != 0 ? "Yes" : "No";
        case Named::TrueFalse:
            return value != 0 ? "True" : "False";
        case Named::OnOff:
            return value != 0 ? "On" : "Off";
        default:
            return formatNamedDate(named, value, locale);
    }
}

std::string formatWithPattern(double value, std::string_view pattern) {
    const CompiledPattern& compiled = compiledPattern(pattern);
    if (!std::isfinite(value)) {
        return plainNumberText(value);
    }
    const LocaleSettings& locale = currentLocale();
    const int sectionCount = compiled.sectionCount;
    const bool negative = value < 0;
    const bool zero = value == 0;

    int chosen = 0;
    if (zero && sectionCount >= 3 && !compiled.sections[2].empty()) {
        chosen = 2;
    } else if (negative && sectionCount >= 2 && !compiled.sections[1].empty()) {
        chosen = 1;
    }
    const Section& section = compiled.sections[chosen];
    if (section.empty()) {
        return plainNumberText(value);
    }
    if (section.isDate) {
        std::optional<DateTime> when = fromSerialDay(value);
        if (!when) {
            return plainNumberText(value);
        }
        std::string out;
        renderDate(compiled, section, *when, locale, false, out);
        return out;
    }

    DecimalDigits number = detail::decimalDigits(value, 15);
    TextBuilder out;
    // A single section shows the sign itself; a negative section supplies its own.
    const bool signInFront = negative && chosen == 0 && section.showsNumber;
    if (signInFront) {
        out.push_back('-');
    }
    bool shownZero = renderNumberSection(compiled, section, number, locale, out);
    if (negative && shownZero && section.showsNumber) {
        // A negative value too small to show is shown as zero, without a sign.
        int zeroSection = sectionCount >= 3 && !compiled.sections[2].empty() ? 2 : 0;
        const Section& replacement = compiled.sections[zeroSection];
        out.clear();
        if (replacement.empty()) {
            return "0";
        }
        if (replacement.isDate) {
            std::string date;
            renderDate(compiled, replacement, *fromSerialDay(0), locale, false, date);
            return date;
        }
        renderNumberSection(compiled, replacement, DecimalDigits{}, locale, out);
    }
    return out.str();
}

bool isDatePattern(std::string_view pattern) {
    Named named = namedPattern(pattern);
    if (named != Named::None) {
        return isDateNamed(named);
    }
    if (pattern.empty()) {
        return false;
    }
    const CompiledPattern& compiled = compiledPattern(pattern);
    return compiled.sections[0].isDate;
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern) {
    if (pattern.empty()) {
        return plainNumberText(value);
    }
    if (!std::isfinite(value)) {
        checkFormatPattern(pattern);
        return plainNumberText(value);
    }
    Named named = namedPattern(pattern);
    if (named != Named::None) {
        return formatNamed(named, value, currentLocale());
    }
    return formatWithPattern(value, pattern);
}

std::string formatNumber(std::string_view text, std::string_view pattern) {
    checkFormatPattern(pattern);
    if (isDatePattern(pattern)) {
        if (std::optional<DateTime> when = parseLocaleDate(text)) {
            return formatDate(*when, pattern);
        }
    }
    std::optional<double> value = parseLocaleNumber(text);
    if (!value) {
        return std::string(text);
    }
    return formatNumber(*value, pattern);
}

std::string formatDate(const DateTime& when, std::string_view pattern) {
    double serial = toSerialDay(when);
    if (pattern.empty()) {
        return formatNumber(serial, "General Date");
    }
    return formatNumber(serial, pattern);
}

void checkFormatPattern(std::string_view pattern) {
    if (!pattern.empty() && namedPattern(pattern) == Named::None) {
        compiledPattern(pattern);
    }
}

}  // namespace coinwell
