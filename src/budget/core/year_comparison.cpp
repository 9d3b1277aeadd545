#include "budget/core/year_comparison.h"

#include <cstdlib>

#include "budget/core/letter_case.h"
#include "budget/core/percent_change.h"
#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

// The key of the unnamed row: no name's key can be empty.
const std::string kNoNameKey;

std::string totalText(const std::optional<std::int64_t>& cents) {
    return cents ? centsText(*cents) : std::string();
}

// One year's rows: their keys in order of first appearance, with the name shown and the total.
struct YearItems {
    struct Item {
        std::string key;
        std::string name;
        std::int64_t cents = 0;
    };
    std::vector<Item> items;
    std::int64_t expenses = 0;
    std::int64_t income = 0;

    Item* find(const std::string& key) {
        for (Item& item : items) {
            if (item.key == key) {
                return &item;
            }
        }
        return nullptr;
    }
};

YearItems collect(const BudgetYear& year) {
    YearItems collected;
    for (const BudgetItem& item : year.items) {
        const std::string_view name = trimBlanks(item.name);
        std::int64_t total = 0;
        bool anyAmount = false;
        for (const std::string& amount : item.amounts) {
            if (const auto cents = centsOf(amount)) {
                total += *cents;
            }
            anyAmount = anyAmount || !trimBlanks(amount).empty();
        }
        if (name.empty() && !anyAmount) {
            continue;  // an empty row
        }
        const std::string key = name.empty() ? kNoNameKey : lowerCase(name);
        YearItems::Item* row = collected.find(key);
        if (!row) {
            collected.items.push_back({key, name.empty() ? kNoNameRow : std::string(name), 0});
            row = &collected.items.back();
        }
        row->cents += total;
        collected.expenses += total;
    }
    for (const std::string& income : year.income) {
        if (const auto cents = centsOf(income)) {
            collected.income += *cents;
        }
    }
    return collected;
}

}  // namespace

std::string ComparisonRow::totalA() const {
    return totalText(centsA);
}

std::string ComparisonRow::totalB() const {
    return totalText(centsB);
}

std::string ComparisonRow::change() const {
    return signedCentsText(centsB.value_or(0) - centsA.value_or(0));
}

std::string ComparisonRow::changePercent() const {
    if (!centsA || *centsA == 0) {
        return {};
    }
    // Hundredths of a percent: change * 10000 / |A|, rounded half away from zero, exactly.
    const __int128 change = centsB.value_or(0) - *centsA;
    const __int128 base = *centsA < 0 ? -static_cast<__int128>(*centsA) : *centsA;
    const __int128 scaled = (change < 0 ? -change : change) * 10000;
    __int128 hundredths = scaled / base;
    if ((scaled % base) * 2 >= base) {
        ++hundredths;
    }
    const auto value = static_cast<std::int64_t>(hundredths);
    std::string digits = std::to_string(value);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    const std::string text =
        digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2) + "%";
    if (value == 0) {
        return text;
    }
    return (change < 0 ? "-" : "+") + text;
}

std::array<std::string, kComparisonColumns> ComparisonRow::texts() const {
    return {name, totalA(), totalB(), change(), changePercent()};
}

std::vector<std::array<std::string, kComparisonColumns>> YearComparison::gridTexts() const {
    std::vector<std::array<std::string, kComparisonColumns>> rows;
    rows.reserve(items.size() + 4);
    rows.push_back({"Item", yearA, yearB, "Change", "Change %"});
    for (const ComparisonRow& row : items) {
        rows.push_back(row.texts());
    }
    for (const ComparisonRow* total : {&expenses, &income, &balance}) {
        rows.push_back(total->texts());
    }
    return rows;
}

YearComparison compareYears(const std::string& yearA, const BudgetYear& a, const std::string& yearB,
                            const BudgetYear& b) {
    YearComparison comparison;
    comparison.yearA = yearA;
    comparison.yearB = yearB;
    YearItems itemsA = collect(a);
    YearItems itemsB = collect(b);
    comparison.items.reserve(itemsA.items.size() + itemsB.items.size());
    for (const YearItems::Item& item : itemsA.items) {
        ComparisonRow row{item.name, item.cents, std::nullopt};
        if (const YearItems::Item* inB = itemsB.find(item.key)) {
            row.centsB = inB->cents;
        }
        comparison.items.push_back(std::move(row));
    }
    for (const YearItems::Item& item : itemsB.items) {
        if (!itemsA.find(item.key)) {
            comparison.items.push_back({item.name, std::nullopt, item.cents});
        }
    }
    comparison.expenses = {"Total Expenses", itemsA.expenses, itemsB.expenses};
    comparison.income = {"Total Income", itemsA.income, itemsB.income};
    comparison.balance = {"Balance", itemsA.income - itemsA.expenses,
                          itemsB.income - itemsB.expenses};
    return comparison;
}

std::string comparisonClipboardText(const YearComparison& comparison) {
    std::string text;
    for (const auto& row : comparison.gridTexts()) {
        for (int c = 0; c < kComparisonColumns; ++c) {
            if (c > 0) {
                text += '\t';
            }
            text += row[static_cast<std::size_t>(c)];
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace coinwell::budget
