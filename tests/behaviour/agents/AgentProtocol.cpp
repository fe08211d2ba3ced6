#include "AgentProtocol.h"

namespace behaviour {

std::string Escape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        switch (field[++i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += field[i];
        }
    }
    return out;
}

Fields ParseRequest(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Fields fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(line.substr(start, tab == std::string_view::npos ? tab : tab - start)));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

Chord ParseChord(std::string_view text) {
    Chord chord;
    while (true) {
        const std::size_t plus = text.find('+', 1);  // "Ctrl++" is Ctrl with "+"
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = text.substr(0, plus);
        if (modifier == "Ctrl") {
            chord.ctrl = true;
        } else if (modifier == "Shift") {
            chord.shift = true;
        } else if (modifier == "Alt") {
            chord.alt = true;
        } else {
            throw AgentError("no modifier " + std::string(modifier));
        }
        text.remove_prefix(plus + 1);
    }
    chord.key = std::string(text);
    return chord;
}

void Operations::Add(const std::string& name, std::size_t arity, Handler handler) {
    entries_[name] = {arity, std::move(handler)};
}

std::string Operations::Reply(std::string_view line) const {
    try {
        Fields request = ParseRequest(line);
        const auto entry = entries_.find(request.front());
        if (entry == entries_.end()) throw AgentError("no operation " + request.front());
        request.erase(request.begin());
        if (request.size() != entry->second.arity) {
            throw AgentError(std::to_string(request.size()) + " arguments, not " +
                             std::to_string(entry->second.arity));
        }
        return "ok\t" + Escape(entry->second.handler(request));
    } catch (const std::exception& failure) {
        return "error\t" + Escape(failure.what());
    }
}

void Serve(const Operations& operations, std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) out << operations.Reply(line) << '\n' << std::flush;
}

}  // namespace behaviour
