#include "common/ui/system_locale.h"

#include <QString>

namespace coinwell {

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Splits a currency text of the amount 1 around its digits: the prefix, the suffix and the
// number of decimals. False when the digits are not where they are expected (other numerals).
bool splitCurrency(const QString& text, const QString& decimalPoint, std::string& prefix,
                   std::string& suffix, int& decimals) {
    int start = text.indexOf(QLatin1Char('1'));
    if (start < 0) {
        return false;
    }
    int end = start + 1;
    decimals = 0;
    if (text.mid(end, decimalPoint.size()) == decimalPoint) {
        int zeros = end + static_cast<int>(decimalPoint.size());
        while (zeros < text.size() && text[zeros] == QLatin1Char('0')) {
            ++zeros;
        }
        decimals = zeros - end - static_cast<int>(decimalPoint.size());
        if (decimals > 0) {
            end = zeros;
        }
    }
    prefix = utf8(text.left(start));
    suffix = utf8(text.mid(end));
    return true;
}

// Text shown as itself: every character but a blank escaped.
void appendLiteral(std::string& out, const QString& text) {
    for (QChar ch : text) {
        if (ch != QLatin1Char(' ')) {
            out.push_back('\\');
        }
        out += utf8(QString(ch));
    }
}

// Turns a Qt date/time format into the program's pattern language: d, M, y, h/H, m, s, AP and
// quoted text; the separators between date fields become "/" and those between time fields ":"
// so that the locale separators fill them in.
std::string patternFromQt(const QString& format, const QString& dateSeparator,
                          const QString& timeSeparator, bool fourDigitYears) {
    std::string out;
    int i = 0;
    const int n = static_cast<int>(format.size());
    while (i < n) {
        const QChar c = format[i];
        int run = 1;
        while (i + run < n && format[i + run] == c) {
            ++run;
        }
        if (c == QLatin1Char('\'')) {
            // Quoted text ('' is a quote character).
            int close = format.indexOf(QLatin1Char('\''), i + 1);
            if (close < 0) {
                close = n;
            }
            QString literal = format.mid(i + 1, close - i - 1);
            appendLiteral(out, literal.isEmpty() && close < n ? QStringLiteral("'") : literal);
            i = close + 1;
            continue;
        }
        switch (c.unicode()) {
            case 'd':
                out += std::string(run > 4 ? 4 : run, 'd');
                break;
            case 'M':
            case 'L':
                out += std::string(run > 4 ? 4 : run, 'm');
                break;
            case 'y':
                out += run <= 2 && !fourDigitYears ? "yy" : "yyyy";
                break;
            case 'h':
            case 'H':
                out += run >= 2 ? "hh" : "h";
                break;
            case 'm':
                out += run >= 2 ? "nn" : "n";
                break;
            case 's':
                out += run >= 2 ? "ss" : "s";
                break;
            case 'A':
            case 'a':
                out += "AMPM";
                if (i + 1 < n &&
                    (format[i + 1] == QLatin1Char('P') || format[i + 1] == QLatin1Char('p'))) {
                    run = 2;
                }
                break;
            case 'P':
            case 'p':
                out += "AMPM";
                break;
            case 't':
            case 'z':
                // Time zones and milliseconds are not shown; drop a blank before them.
                while (!out.empty() && out.back() == ' ') {
                    out.pop_back();
                }
                break;
            default: {
                QString piece = format.mid(i, run);
                if (!dateSeparator.isEmpty() && piece == dateSeparator) {
                    out += '/';
                } else if (!timeSeparator.isEmpty() && piece == timeSeparator) {
                    out += ':';
                } else {
                    appendLiteral(out, piece);
                }
                break;
            }
        }
        i += run;
    }
    // A time zone in parentheses leaves them empty.
    for (std::size_t at; (at = out.find(" \\(\\)")) != std::string::npos;) {
        out.erase(at, 5);
    }
    return out;
}

// The first run of characters between two fields of a date or time format.
QString separatorIn(const QString& format, const QString& fieldLetters) {
    int i = 0;
    const int n = static_cast<int>(format.size());
    while (i < n && !fieldLetters.contains(format[i])) {
        ++i;
    }
    while (i < n && fieldLetters.contains(format[i])) {
        ++i;
    }
    int start = i;
    while (i < n && !fieldLetters.contains(format[i]) && format[i] != QLatin1Char(' ') &&
           format[i] != QLatin1Char('\'')) {
        ++i;
    }
    return format.mid(start, i - start);
}

DateOrder orderOf(const QString& format) {
    int day = format.indexOf(QLatin1Char('d'));
    int month = format.indexOf(QLatin1Char('M'));
    int year = format.indexOf(QLatin1Char('y'));
    if (year >= 0 && (day < 0 || year < day) && (month < 0 || year < month)) {
        return DateOrder::YearMonthDay;
    }
    if (day >= 0 && month >= 0 && day < month) {
        return DateOrder::DayMonthYear;
    }
    return DateOrder::MonthDayYear;
}

}  // namespace

LocaleSettings localeFrom(const QLocale& locale) {
    LocaleSettings settings;
    if (locale.language() == QLocale::C ||
        (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates)) {
        return settings;
    }
    settings.decimalSeparator = utf8(locale.decimalPoint());
    settings.groupSeparator = utf8(locale.groupSeparator());
    settings.currencySymbol = utf8(locale.currencySymbol(QLocale::CurrencySymbol));

    const QString point = locale.decimalPoint();
    int decimals = 2;
    std::string prefix, suffix;
    if (splitCurrency(locale.toCurrencyString(1.0), point, prefix, suffix, decimals)) {
        settings.currencyDecimals = decimals;
        settings.currencyPositivePrefix = prefix;
        settings.currencyPositiveSuffix = suffix;
        int negativeDecimals = decimals;
        if (splitCurrency(locale.toCurrencyString(-1.0), point, prefix, suffix, negativeDecimals)) {
            settings.currencyNegativePrefix = prefix;
            settings.currencyNegativeSuffix = suffix;
        } else {
            settings.currencyNegativePrefix = "-" + settings.currencyPositivePrefix;
            settings.currencyNegativeSuffix = settings.currencyPositiveSuffix;
        }
    } else {
        settings.currencyPositivePrefix = settings.currencySymbol;
        settings.currencyNegativePrefix = "(" + settings.currencySymbol;
    }

    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString longDate = locale.dateFormat(QLocale::LongFormat);
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    settings.dateOrder = orderOf(shortDate);
    QString dateSeparator = separatorIn(shortDate, QStringLiteral("dMLy"));
    QString timeSeparator = separatorIn(longTime, QStringLiteral("hHms"));
    if (!dateSeparator.isEmpty()) {
        settings.dateSeparator = utf8(dateSeparator);
    }
    if (!timeSeparator.isEmpty()) {
        settings.timeSeparator = utf8(timeSeparator);
    }
    settings.shortDatePattern = patternFromQt(shortDate, dateSeparator, timeSeparator, true);
    settings.longDatePattern = patternFromQt(longDate, QString(), QString(), true);
    settings.longTimePattern = patternFromQt(longTime, QString(), timeSeparator, true);
    settings.amDesignator = utf8(locale.amText());
    settings.pmDesignator = utf8(locale.pmText());
    for (int month = 1; month <= 12; ++month) {
        settings.monthNames[month - 1] = utf8(locale.monthName(month, QLocale::LongFormat));
        settings.monthAbbreviations[month - 1] =
            utf8(locale.monthName(month, QLocale::ShortFormat));
    }
    for (int day = 0; day < 7; ++day) {
        int qtDay = day == 0 ? 7 : day;  // Qt counts from Monday = 1 to Sunday = 7
        settings.dayNames[day] = utf8(locale.dayName(qtDay, QLocale::LongFormat));
        settings.dayAbbreviations[day] = utf8(locale.dayName(qtDay, QLocale::ShortFormat));
    }
    return settings;
}

LocaleSettings localeFromSystem() {
    return localeFrom(QLocale::system());
}

}  // namespace coinwell
