#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What travels with a book beyond its day records: an optional extension after the last day.
// Older programs stop reading at the last day, so they still open a book that has one; a book
// with nothing to keep has none and stays byte for byte as before.
//
//   "VPXE"  uint16 version (1)  uint32 payload length  payload  uint32 XXH32(payload, seed 0)
//   payload: sections {uint16 tag, uint32 length, bytes}, each tag at most once
//
// all little-endian. Sections of tags this program does not know are kept verbatim, in their
// place, and written back.
namespace bookext {

inline constexpr uint16_t kVersion = 1;
inline constexpr uint16_t kDayMarksTag = 1;    // the per-day marks below
inline constexpr uint16_t kEmploymentTag = 2;  // the employee's details (paid leave)

struct Section {
    uint16_t tag = 0;
    std::string bytes;
    bool operator==(const Section&) const = default;
};

class Extension {
public:
    bool Empty() const { return m_sections.empty(); }
    const std::vector<Section>& Sections() const { return m_sections; }
    // The bytes of a tag's section; nullptr when the book has none.
    const std::string* Find(uint16_t tag) const;
    // Replaces the section in its place, appends a new one, or removes it when bytes is empty.
    void Set(uint16_t tag, std::string bytes);
    bool operator==(const Extension&) const = default;

private:
    std::vector<Section> m_sections;
};

// The bytes written after the last day: nothing for an empty extension.
std::string Encode(const Extension& ext);
// The extension from the bytes after the last day (empty bytes: an empty extension); nullopt
// unless they are exactly one well-formed extension with well-formed known sections.
std::optional<Extension> Decode(std::string_view bytes);

// Section 1: marks the user put on days where the rules of the calendar do not fit.
enum class Mark : uint8_t { automatic = 0, yes = 1, no = 2 };

struct DayMark {
    int year = 0, month = 0, day = 0;
    Mark legalHoliday = Mark::automatic;  // the day is (not) the 法定休日
    Mark workday = Mark::automatic;       // the day is (not) a 所定労働日
    bool operator==(const DayMark&) const = default;
};

// Entries of 6 bytes: uint16 year, uint8 month, uint8 day, uint8 法定休日 mark, uint8 所定労働日
// mark (0 auto, 1 yes, 2 no); dates strictly ascending, never both marks auto.
std::string EncodeDayMarks(const std::vector<DayMark>& marks);
std::optional<std::vector<DayMark>> DecodeDayMarks(std::string_view bytes);
// The marks of the extension (none when it has no section 1; the section was checked on load).
std::vector<DayMark> DayMarks(const Extension& ext);
// The marks of one day (both auto when it has none).
DayMark FindDayMark(const Extension& ext, int year, int month, int day);
// Sets one day's marks, keeping the order; both auto removes the day.
void SetDayMark(Extension& ext, const DayMark& mark);
// Drops the marks of fiscal year fy (April fy to March fy + 1), as its days go.
void DropFiscalYearMarks(Extension& ext, int fy);

}  // namespace bookext
