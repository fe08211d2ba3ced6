// The runtime's UTF-8 texts to Qt's and back, as the Qt peers convert them.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ModelState.h"
#include "QtConversions.h"
#include "Utf8Reference.h"

namespace {

// CR LF and a lone CR are line breaks; Qt shows each as one LF.
std::string expectedLineFeeds(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::string_view bytesOf(const QString& text, QByteArray& storage) {
    storage = text.toUtf8();
    return std::string_view(storage.constData(), static_cast<std::size_t>(storage.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guirt::qt;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool valid = fuzzref::isValidUtf8(text);

    // Valid text comes back byte for byte; any other still comes back as UTF-8 text.
    const guirt::Ref<guirt::String> back = ToRuntimeString(ToQString(text));
    const std::string_view backBytes = guirt::TextOf(back);
    if (valid ? backBytes != text : !fuzzref::isValidUtf8(backBytes)) std::abort();

    const QString lines = ToQString(guirt::WithLineFeeds(text));
    if (lines.contains(QLatin1Char('\r'))) std::abort();
    QByteArray storage;
    if (valid && bytesOf(lines, storage) != expectedLineFeeds(text)) std::abort();

    if (ToolTipText(lines).contains(QLatin1Char('\r'))) std::abort();
    return 0;
}
