#include "history/draw_text.hpp"

#include <ctime>

namespace sorvanta::history {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

long long NumberOf(std::string_view digits) {
    long long n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

bool IsLeap(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// YYYYMMDD when the digits name a real day from 2000 to 2099, else -1.
long long DateOf(long long year, std::string_view monthDay) {
    if (year < 2000 || year > 2099)
        return -1;
    const long long month = NumberOf(monthDay.substr(0, 2));
    const long long day = NumberOf(monthDay.substr(2, 2));
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return -1;
    const long long last = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    if (day > last)
        return -1;
    return year * 10000 + month * 100 + day;
}

long long LongDate(std::string_view eight) {
    return DateOf(NumberOf(eight.substr(0, 4)), eight.substr(4));
}
long long ShortDate(std::string_view six) {
    return DateOf(2000 + NumberOf(six.substr(0, 2)), six.substr(2));
}

// The date and serial of a period, or nothing when no reading gives a real
// date. The long date is tried before the short one, so a ten-digit period
// is a date and a two-digit serial before it is anything else.
bool ReadDated(std::string_view period, PeriodKey& key) {
    const std::size_t dash = period.find('-');
    long long date = -1;
    std::string_view serial;
    if (dash != std::string_view::npos) {
        const std::string_view head = period.substr(0, dash);
        serial = period.substr(dash + 1);
        if (!AllDigits(head) || !AllDigits(serial) || serial.size() > 4)
            return false;
        if (head.size() == 8)
            date = LongDate(head);
        else if (head.size() == 6)
            date = ShortDate(head);
    } else {
        if (!AllDigits(period))
            return false;
        const std::size_t n = period.size();
        if (n >= 10 && n <= 12)
            date = LongDate(period.substr(0, 8));
        if (date >= 0) {
            serial = period.substr(8);
        } else if (n >= 8 && n <= 10) {
            date = ShortDate(period.substr(0, 6));
            serial = period.substr(6);
        }
    }
    if (date < 0)
        return false;
    key = {true, date, NumberOf(serial)};
    return true;
}

} // namespace

PeriodKey KeyOfPeriod(std::string_view period) {
    PeriodKey key;
    if (ReadDated(period, key))
        return key;
    const std::size_t dash = period.find('-');
    key.major = NumberOf(period.substr(0, dash));
    if (dash != std::string_view::npos)
        key.minor = NumberOf(period.substr(dash + 1));
    return key;
}

std::string CanonicalPeriod(std::string_view period) {
    PeriodKey key;
    if (!ReadDated(period, key))
        return std::string(period);
    std::string serial = std::to_string(key.minor);
    if (serial.size() < 3)
        serial.insert(0, 3 - serial.size(), '0');
    return std::to_string(key.major) + "-" + serial;
}

bool LaterKey(const PeriodKey& a, const PeriodKey& b) {
    if (a.dated != b.dated)
        return a.dated;
    if (a.major != b.major)
        return a.major > b.major;
    return a.minor > b.minor;
}

bool LaterPeriod(std::string_view a, std::string_view b) {
    const PeriodKey ka = KeyOfPeriod(a);
    const PeriodKey kb = KeyOfPeriod(b);
    if (ka != kb)
        return LaterKey(ka, kb);
    return a > b;
}

int LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

} // namespace sorvanta::history
