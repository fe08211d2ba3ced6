#pragma once

#include <string>

namespace dravello {

// Windows hands a program its command-line tail as one text; elsewhere the platform gives
// words. This joins them into the tail the runtime's backend splits again: each word in
// double quotes, a quote inside written as three, in the encoding of the user's locale
// read as wide characters (a byte that is not text becomes U+FFFD).
std::wstring commandLineTail(int argc, const char* const* argv);

}  // namespace dravello
