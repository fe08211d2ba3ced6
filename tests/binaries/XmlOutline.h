#pragma once

#include <string>
#include <vector>

// The elements of a small XML document in document order, each written as its name
// followed by its attributes sorted by name: `item a="1" b="2"`. The XML declaration is
// skipped; an element's text, trimmed, follows it in quotes: `"text"`. Throws when tags do
// not nest or when text stands outside the elements.
std::vector<std::string> xmlOutline(const std::string& document);
