#pragma once

#include <gtest/gtest.h>

#include <string>

#include "guirt/Exceptions.h"

namespace guirt::testing {

// Runs f, expects it to raise a runtime exception of class E (or a subclass), and gives
// back the exception's message.
template <class E, class F>
std::string ExpectRaises(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.Exception()->IsA(E::Record())) << e.what();
        return std::string(TextOf(e.Exception()->Message()));
    }
    ADD_FAILURE() << "nothing was raised";
    return {};
}

}  // namespace guirt::testing
