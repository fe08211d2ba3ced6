#pragma once

#include <string>
#include <string_view>

// Number text as the user writes it: the same digits, signs, exponent and words
// everywhere, with the decimal separator of the user's platform (a point or a
// comma), so that what the program writes reads back and what the user types
// with either separator means what it says.
//
// Rendering choices, all in one place:
//  - The separator is '.' or ','. A platform whose separator is neither (the
//    Arabic decimal mark goes with digits val does not read) gets the point,
//    which people there read too.
//  - val takes the point as the decimal separator whatever the user's, and the
//    user's comma as well: with ',' both "2,5" and "2.5" read 2.5. Where the
//    separator is the point, a comma is none and ends the number ("1,5" reads
//    1). The number's first separator is its decimal one, and nothing groups
//    thousands: "1.234,5" reads 1.234 with either.
//  - str and format write the user's separator and nothing else of the locale:
//    no grouping, no local digits or words ("INF", "e+07" stay as they are).
//  - val skips leading spaces and tabs only. CR and LF are not skipped: text
//    after a line break belongs to another line, so "\n5" reads 0.
//  - val reads [+|-] digits [. digits] [e|E [+|-] digits], needing at least one
//    mantissa digit (".5" and "5." both work). An exponent without digits is
//    not part of the number: "2e" and "2e+" read 2. A blank after the sign
//    ends the number ("- 5" reads 0).
//  - val gives 0 where no number starts the text; words and hex forms such as
//    "0x1F" are not numbers ("0x1F" reads 0), but for the texts str writes
//    for values that are no finite number: "INF" and "-INF" read as
//    +-infinity and "NAN" as NaN (upper case, as written; "inf" reads 0).
//  - val rounds correctly however many digits are typed. Magnitudes beyond
//    the largest double read as +-infinity, magnitudes too small for the
//    smallest denormal read as +-0: the nearest value to what was typed.
//  - val("-0") is -0.0, so str(-0.0) == "-0" reads back bit for bit.
//  - str is for people: a field 80 pixels wide shows about ten characters, and
//    a size typed or measured never has more than a handful of digits. It
//    gives the value rounded to 7 significant digits (on its exact binary
//    value; an exact tie goes to the even digit), trailing zeros dropped:
//    0.20471488863018003 -> "0.2047149", 1.5 -> "1.5", 100 -> "100".
//  - str writes plain form from 1e-4 up to below 1e7 (after rounding) and
//    exponent form outside that: below, the leading zeros would make the plain
//    form longer than "1.5e-05" and hard to count; from 1e7 on, plain form
//    would show zeros that stand for no digit kept. The exponent has at least
//    two digits (1e21 -> "1e+21", 12345678 -> "1.234568e+07", 1e-5 -> "1e-05",
//    0.0001 -> "0.0001"). So a finite text has at most 13 characters
//    ("-0.0001234567", "-1.234568e+07"), 14 with a three-digit exponent.
//  - val(str(x)) is within half a unit of the 7th digit of x, a relative
//    difference of at most 5e-7, and str(val(str(x))) == str(x): a text read
//    and written again stays as it is. A value of 7 digits or fewer (0.51054,
//    0.0175) reads back bit for bit, and so does -0.0 ("-0").
//  - Non-finite values render as "INF", "-INF" and "NAN" (NaN loses its sign
//    and payload), and val reads them back: a size field that shows "INF" holds
//    the infinite size it was written from.
//  - format patterns: '#' optional digit, '0' mandatory digit, the first '.'
//    the decimal separator (written as the user's). Decimals shown = count of '#'/'0' after the point.
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

// Reads the number at the start of text, with a point or the separator; never throws.
double val(std::string_view text, char separator = '.') noexcept;

// The value to 7 significant digits, which val reads back within 5e-7 of it.
std::string str(double value, char separator = '.');

// Renders value with a '#'/'0'/'.' pattern, e.g. "#.###".
std::string format(double value, std::string_view pattern, char separator = '.');

// The separator of the platform's own text for it ("," or "٫", UTF-8): ',' or '.'.
char separatorOf(std::string_view platformText) noexcept;

// The user's separator, which Val, Str and Format use: '.' until start-up sets the
// platform's, once, before any window is built.
char userSeparator() noexcept;
void setUserSeparator(char separator) noexcept;

}  // namespace guirt::numtext
