#include "framework/frameworktexts.h"

namespace texts {

std::string Format(const std::string& fmt, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(fmt.size() + 64);
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%' && i + 1 < fmt.size() && fmt[i + 1] >= '1' &&
            static_cast<size_t>(fmt[i + 1] - '1') < args.size()) {
            out += *(args.begin() + (fmt[i + 1] - '1'));
            ++i;
        } else {
            out += fmt[i];
        }
    }
    return out;
}

}  // namespace texts
