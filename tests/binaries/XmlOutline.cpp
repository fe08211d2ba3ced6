#include "XmlOutline.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <stdexcept>

std::vector<std::string> xmlOutline(const std::string& document) {
    static const std::regex tag(R"(<(/?)([\w.:-]+)((?:\s+[\w.:-]+\s*=\s*"[^"]*")*)\s*(/?)>|<\?xml[^>]*\?>)");
    static const std::regex attribute(R"(([\w.:-]+)\s*=\s*"([^"]*)\")");

    std::vector<std::string> outline;
    std::vector<std::string> open;
    auto text = [&](auto from, auto to) {
        const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
        from = std::find_if_not(from, to, blank);
        if (from == to) return;
        if (open.empty()) throw std::runtime_error("text outside elements: " + std::string(from, to));
        while (blank(*(to - 1))) --to;
        outline.push_back('"' + std::string(from, to) + '"');
    };
    auto last = document.begin();
    for (std::sregex_iterator it(document.begin(), document.end(), tag), end; it != end; ++it) {
        const std::smatch& m = *it;
        text(last, m[0].first);
        last = m[0].second;
        if (!m[2].matched) continue;  // the XML declaration
        if (m[1].length() > 0) {
            if (open.empty() || open.back() != m[2]) throw std::runtime_error("unmatched </" + m[2].str() + ">");
            open.pop_back();
            continue;
        }
        std::vector<std::string> attributes;
        const std::string list = m[3];
        for (std::sregex_iterator a(list.begin(), list.end(), attribute); a != end; ++a) {
            attributes.push_back((*a)[1].str() + "=\"" + (*a)[2].str() + "\"");
        }
        std::sort(attributes.begin(), attributes.end());
        std::string element = m[2];
        for (const std::string& a : attributes) element += " " + a;
        outline.push_back(element);
        if (m[4].length() == 0) open.push_back(m[2]);
    }
    text(last, document.end());
    if (!open.empty()) throw std::runtime_error("<" + open.back() + "> is not closed");
    return outline;
}
