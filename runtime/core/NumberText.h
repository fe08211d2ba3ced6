#pragma once

#include <string>
#include <string_view>

// Locale-independent number text: the same digits, point and signs whatever
// the user's regional settings, so what one machine shows another reads back.
//
// Rendering choices, all in one place:
//  - val skips leading spaces and tabs only. CR and LF are not skipped: text
//    after a line break belongs to another line, so "\n5" reads 0.
//  - val reads [+|-] digits [. digits] [e|E [+|-] digits], needing at least one
//    mantissa digit (".5" and "5." both work). An exponent without digits is
//    not part of the number: "2e" and "2e+" read 2. A blank after the sign
//    ends the number ("- 5" reads 0).
//  - val gives 0 where no number starts the text; words such as "INF", "NAN"
//    and hex forms such as "0x1F" are not numbers ("0x1F" reads 0).
//  - val rounds correctly however many digits are typed. Magnitudes beyond
//    the largest double read as +-infinity, magnitudes too small for the
//    smallest denormal read as +-0: the nearest value to what was typed.
//  - val("-0") is -0.0, so str(-0.0) == "-0" reads back bit for bit.
//  - str gives the shortest text that val reads back bit for bit, in plain
//    or exponent form, whichever is shorter, plain when both are as long
//    (1e21 -> "1e+21", 1e-4 -> "1e-04", 0.001 -> "0.001", 100 -> "100").
//    The exponent has at least two digits. A whole number in plain form shows
//    its exact digits: 2^70 -> "1180591620717411303424", not the shortest
//    digits padded with zeros.
//  - Non-finite values render as "INF", "-INF" and "NAN" (NaN loses its sign
//    and payload). val reads these texts as 0, which is accepted: they only
//    ever appear on screen, never as input the program relies on.
//  - format patterns: '#' optional digit, '0' mandatory digit, the first '.'
//    the decimal point. Decimals shown = count of '#'/'0' after the point.
//  - format rounds on the exact binary value, so 2.675 (stored just below)
//    gives "2.67" and 0.0005 (stored just above) gives "0.001" with "#.###".
//    Exact ties round away from zero: 0.125 -> "0.13", 2.5 -> "3", -2.5 ->
//    "-3".
//  - Trailing zeros in '#' places are dropped; '0' places keep theirs. With
//    no decimals left there is no point ("2", never "2.").
//  - The integer part shows every digit (1e300 gives all 301 digits, never an
//    exponent), at least one digit ("0.5", not ".5"), and at least as many
//    digits as there are '0' before the point (zero-padded).
//  - A value that rounds to zero has no sign: -0.0001 with "#.###" gives "0".
//  - Any other pattern character is copied literally: those before the first
//    placeholder go in front of the number, all others after it, in order
//    ("#.## V" -> "1.5 V"). A later '.' is such a literal. The sign sits
//    directly before the digits ("$-5").
//  - A pattern without any '#', '0' or '.' gives str(value) after the
//    pattern's characters (empty pattern -> str(value)), except that -0.0
//    gives "0".
//  - format of a non-finite value gives the str text in place of the number.
namespace guirt::numtext {

// Reads the number at the start of text; never throws.
double val(std::string_view text) noexcept;

// Shortest text that val reads back as exactly value.
std::string str(double value);

// Renders value with a '#'/'0'/'.' pattern, e.g. "#.###".
std::string format(double value, std::string_view pattern);

}  // namespace guirt::numtext
