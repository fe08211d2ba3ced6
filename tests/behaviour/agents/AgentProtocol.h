#pragma once

// The line protocol between the behaviour runner and an agent (targets/agent.py): one request
// line in, one reply line out, fields separated by tabs, with \\, \t, \n and \r escaped.
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace behaviour {

using Fields = std::vector<std::string>;

// What an agent could not do; the runner shows the message as the case's failure.
class AgentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Escape(std::string_view field);
std::string Unescape(std::string_view field);
Fields ParseRequest(std::string_view line);

// A key chord as the cases write it ("Ctrl+Shift+Tab", "Alt+E", "Down").
struct Chord {
    bool ctrl = false, shift = false, alt = false;
    std::string key;  // "A", "7", "Tab", "Escape", "Down"...
};
Chord ParseChord(std::string_view text);

// The steps and reads an agent carries out, by operation name. Each takes the request's
// arguments and gives the reply's value.
class Operations {
public:
    using Handler = std::function<std::string(const Fields& args)>;
    void Add(const std::string& name, std::size_t arity, Handler handler);
    // The reply line for one request line, without its line feed.
    std::string Reply(std::string_view line) const;

private:
    struct Entry {
        std::size_t arity;
        Handler handler;
    };
    std::map<std::string, Entry, std::less<>> entries_;
};

// Answers requests from `in` until it ends.
void Serve(const Operations& operations, std::istream& in, std::ostream& out);

}  // namespace behaviour
