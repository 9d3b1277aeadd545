#pragma once
// The spelling checker's automatic replacements: pairs (word, replacement) in registration order,
// each readable back by index. The autocorrect table is registered when the Home Budget opens;
// every "change everywhere" decision of the user adds its pair while the screen stays open.
//
// The change-everywhere step reads the list from index 0 up to an end marker, the pair
// ("TheEnd1", "TheEnd1"), which it registers before reading.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace coinwell::budget {

inline constexpr std::string_view kEndMarker = "TheEnd1";

struct Replacement {
    std::string word;
    std::string replacement;

    bool operator==(const Replacement&) const = default;
};

class ReplacementList {
  public:
    void add(std::string word, std::string replacement);
    // Registers the end marker after the last pair. A marker registered before is taken out
    // first, so that reading up to the marker always takes in every pair registered so far.
    void addEndMarker();

    std::size_t size() const { return entries_.size(); }
    // The word and replacement at index i; empty beyond the end.
    const std::string& word(std::size_t i) const;
    const std::string& replacement(std::size_t i) const;
    // True for the marker: a word that, without its trailing blanks, reads "THEEND1" in any case.
    bool isEndMarker(std::size_t i) const;

    const std::vector<Replacement>& entries() const { return entries_; }

  private:
    std::vector<Replacement> entries_;
};

// A list holding the autocorrect table, in table order.
ReplacementList autocorrectReplacements();

}  // namespace coinwell::budget
