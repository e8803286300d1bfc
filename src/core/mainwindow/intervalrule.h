// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The check made when the slide interval entry loses the focus.
class IntervalRule {
public:
    enum class Outcome {
        Unchanged, // the text is what it was on entry: nothing to do
        Accepted,  // seconds holds the new interval
        Rejected,  // empty, not a number, or outside the settings' interval limits (1 to 30):
                   // the entry text comes back
    };
    struct Verdict {
        Outcome outcome = Outcome::Unchanged;
        int seconds = 0;
    };

    // text: what the entry holds now; entryText: what it held when it got the focus.
    // A fraction within the range is accepted and rounded to whole seconds, a half to the
    // even neighbour, so the slide timer never gets less than one second.
    static Verdict check(const QString &text, const QString &entryText);

    // The number a text spells: optional sign, digits with at most one decimal point,
    // surrounding blanks allowed; full-width digits count as digits.
    static std::optional<double> numericValue(const QString &text);

    // The whole seconds a text within 1 to 30 stands for; nothing for any other text.
    static std::optional<int> wholeSeconds(const QString &text);
};
