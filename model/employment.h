#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What belongs to the employee for paid leave and travels with the book: the date of hire, the
// contract from each date, and what was used of grants made before the book's first day.
namespace leave {

// The contract from a date: working days a week (1-7) or a year (1-366), and the weekly hours
// in hundredths (29.5 h = 2950).
struct Contract {
    int from = 0;  // day number (civil::Serial)
    int daysPerWeek = 0;
    int daysPerYear = 0;  // used when daysPerWeek is 0
    int centiHours = 0;
};

// Days (in half days) already used of a grant made before the book.
struct OpeningUse {
    int grant = 0;  // day number of the grant
    int halfDays = 0;
};

struct Employment {
    std::optional<int> hire;          // day number
    std::vector<Contract> contracts;  // by date, one per date
    std::vector<OpeningUse> opening;  // by date, one per date

    bool Empty() const { return !hire && contracts.empty() && opening.empty(); }
    // The contract in force on a day; nullptr when none is (the full table applies).
    const Contract* ContractOn(int day) const;
};

// Changes that keep the details valid; each returns the message (Shift-JIS) of a refusal, or
// an empty text when the change was made.
std::string SetHire(Employment& e, int day);
// Adds the contract, or replaces the one from the same date.
std::string SetContract(Employment& e, const Contract& c);
std::string SetOpeningUse(Employment& e, const OpeningUse& u);

// "5" days a week or "y216" days a year; false when it is neither.
bool ParseContractDays(std::string_view text, Contract& c);
// "40", "29.5", "29.25": hundredths of an hour; -1 when it is no such number.
int ParseCentiHours(std::string_view text);
// "3", "2.5": half days; -1 when it is no such number.
int ParseHalfDays(std::string_view text);

// The details as the book's extension keeps them (little-endian): uint32 hire as YYYYMMDD (0 for
// none); uint16 contract count, each uint32 YYYYMMDD, uint16 days a week, uint16 days a year,
// uint32 hundredths of hours; uint16 opening count, each uint32 YYYYMMDD, uint16 half days.
std::string EncodeEmployment(const Employment& e);
// Strict: anything but exactly that, with valid dates and values in order, is refused.
std::optional<Employment> DecodeEmployment(std::string_view bytes);

}  // namespace leave
