#include "framework/frameworktexts.h"

namespace texts {
namespace {

// One pass, so an argument that itself contains "%2" is left alone.
std::string Substitute(const std::string& fmt, const std::string* args, size_t count) {
    std::string out;
    out.reserve(fmt.size() + 64);
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%' && i + 1 < fmt.size() && fmt[i + 1] >= '1' &&
            static_cast<size_t>(fmt[i + 1] - '1') < count) {
            out += args[fmt[i + 1] - '1'];
            ++i;
        } else {
            out += fmt[i];
        }
    }
    return out;
}

}  // namespace

std::string Format1(const std::string& fmt, const std::string& a1) {
    return Substitute(fmt, &a1, 1);
}

std::string Format2(const std::string& fmt, const std::string& a1, const std::string& a2) {
    const std::string args[2] = {a1, a2};
    return Substitute(fmt, args, 2);
}

}  // namespace texts
