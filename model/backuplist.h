#pragma once

#include <string>
#include <vector>

#include "framework/backups.h"

// A kept generation of a book with what it holds, for choosing one to go back to.
struct GenerationInfo {
    Generation generation;
    bool readable = false;  // it loads as a book
    bool hasPassword = false;
    std::vector<int> years;  // the registered fiscal years
    int lastYear = 0;        // the last day with an entry (calendar date); 0 when none
    int lastMonth = 0;
    int lastDay = 0;
};

// The generations of book below root, newest first, each read with the book loader. A
// protected generation is described without its password: the folder is the user's alone,
// and opening it still asks for the password.
std::vector<GenerationInfo> DescribeGenerations(const std::string& root, const std::string& book);

// "YYYY/MM/DD HH:MM:SS": when a generation was kept, as lists and captions show it.
std::string GenerationTime(const LocalTime& t);
