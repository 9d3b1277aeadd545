#pragma once
// Extra payments a borrower makes on top of the level monthly payment: an amount with every
// payment from a chosen one on, an amount with every 12th payment, and one lump sum.

namespace coinwell::loan {

struct ExtraPayments {
    double monthly = 0;  // with every payment from payment number monthlyFrom on
    int monthlyFrom = 1;
    double yearly = 0;   // with payments 12, 24, 36, …
    double lumpSum = 0;  // once, with payment number lumpAt
    int lumpAt = 0;

    // Whether any extra is paid at all (amounts of 0 pay nothing).
    bool any() const { return monthly > 0 || yearly > 0 || lumpSum > 0; }
    // The extra scheduled with payment k (1-based).
    double at(int k) const {
        double extra = 0;
        if (monthly > 0 && k >= monthlyFrom) {
            extra += monthly;
        }
        if (yearly > 0 && k % 12 == 0) {
            extra += yearly;
        }
        if (lumpSum > 0 && k == lumpAt) {
            extra += lumpSum;
        }
        return extra;
    }
};

}  // namespace coinwell::loan
