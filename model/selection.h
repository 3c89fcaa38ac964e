#pragma once

// What is selected in the book: nothing, the top item, a fiscal year, or a month of one. The
// document owns it; the tree shows it and reports the user's choice of another.
struct Selection {
    enum class Kind { none, top, year, month };

    Kind kind = Kind::none;
    int year = -1;   // the fiscal year of a year or month, else -1
    int month = -1;  // 1..12 for a month, else -1

    static Selection Top() { return {Kind::top, -1, -1}; }
    static Selection Year(int fiscalYear) { return {Kind::year, fiscalYear, -1}; }
    static Selection Month(int fiscalYear, int m) { return {Kind::month, fiscalYear, m}; }

    bool operator==(const Selection&) const = default;
};
