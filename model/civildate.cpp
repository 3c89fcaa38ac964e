#include "model/civildate.h"

#include <cstdio>

#include "model/holidays.h"

namespace civil {

bool IsValid(int y, int m, int d) {
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= holidays::DaysInMonth(y, m);
}

// Days from civil, the well-known era-based conversion of the proleptic Gregorian calendar.
int Serial(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Ymd FromSerial(int serial) {
    const int z = serial + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

int AfterMonths(int serial, int n) {
    const Ymd a = FromSerial(serial);
    const int months = a.y * 12 + (a.m - 1) + n;
    const int y = months >= 0 ? months / 12 : (months - 11) / 12;
    const int m = months - y * 12 + 1;
    const int last = holidays::DaysInMonth(y, m);
    return a.d <= last ? Serial(y, m, a.d) : Serial(y, m, last) + 1;
}

std::string Iso(int serial) {
    const Ymd a = FromSerial(serial);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", a.y, a.m, a.d);
    return buf;
}

std::optional<int> ParseIso(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    int v[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k) {
        for (int i = starts[k]; i < starts[k] + lengths[k]; ++i) {
            if (t[i] < '0' || t[i] > '9') return std::nullopt;
            v[k] = v[k] * 10 + (t[i] - '0');
        }
    }
    if (v[0] < 1900 || v[0] > 2199 || !IsValid(v[0], v[1], v[2])) return std::nullopt;
    return Serial(v[0], v[1], v[2]);
}

std::optional<int> ParseTyped(std::string_view t) {
    int v[3] = {0, 0, 0};
    size_t k = 0, digits = 0;
    const size_t limits[3] = {4, 2, 2};
    const char sep = t.find('/') != std::string_view::npos ? '/' : '-';
    for (char c : t) {
        if (c == sep && digits > 0 && k < 2) {
            ++k;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < limits[k]) {
            v[k] = v[k] * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (k != 2 || digits == 0 || v[0] < 1900 || v[0] > 2199 || !IsValid(v[0], v[1], v[2]))
        return std::nullopt;
    return Serial(v[0], v[1], v[2]);
}

std::string Slashed(int serial) {
    std::string s = Iso(serial);
    s[4] = s[7] = '/';
    return s;
}

}  // namespace civil
