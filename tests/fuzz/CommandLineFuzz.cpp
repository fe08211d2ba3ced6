// The words the platform hands main, joined into the tail the Qt backend splits again: the
// same words must come back, each byte that is not UTF-8 text as U+FFFD.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Utf8Reference.h"
#include "app/CommandLine.h"

namespace {

void printWord(const char* what, std::string_view bytes) {
    std::fprintf(stderr, "%s:", what);
    for (char c : bytes) std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
}

void printWord(const char* what, const QString& text) {
    std::fprintf(stderr, "%s (UTF-16):", what);
    for (QChar c : text) std::fprintf(stderr, " %04x", c.unicode());
    std::fprintf(stderr, "\n");
}

}  // namespace

// The tail is made in the user's character encoding; the expected words are UTF-8.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("LC_ALL", "C.UTF-8", 1);
    return 0;
}

// Input: the words, separated by NUL bytes (which no word can hold).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words{"dravello"};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t end; (end = rest.find('\0')) != std::string_view::npos; rest.remove_prefix(end + 1)) {
        words.emplace_back(rest.substr(0, end));
    }
    words.emplace_back(rest);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    argv.push_back(nullptr);

    const std::wstring tail = dravello::commandLineTail(static_cast<int>(words.size()), argv.data());
    const QStringList split =
        QProcess::splitCommand(QString::fromWCharArray(tail.data(), static_cast<qsizetype>(tail.size())));

    // Qt's splitter drops empty words.
    std::vector<std::string_view> given;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!words[i].empty()) given.push_back(words[i]);
    }
    if (static_cast<std::size_t>(split.size()) != given.size()) {
        std::fprintf(stderr, "%zu words given, %lld read back\n", given.size(), static_cast<long long>(split.size()));
        std::abort();
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        const QString expected = QString::fromStdString(fuzzref::withReplacements(given[i]));
        const QString& got = split[static_cast<qsizetype>(i)];
        if (got != expected) {
            std::fprintf(stderr, "word %zu read back differently\n", i + 1);
            printWord("given", given[i]);
            printWord("expected", expected);
            printWord("read back", got);
            std::abort();
        }
    }
    return 0;
}
