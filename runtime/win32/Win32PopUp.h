#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "Peers.h"

namespace guirt::win32 {

// Shows the entries as a context menu until it closes; the number of the entry chosen, if
// any.
std::optional<std::size_t> PopUpMenu(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at);

}  // namespace guirt::win32
