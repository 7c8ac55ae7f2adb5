#pragma once

#include <gtest/gtest.h>

#include <string>

#include "league/error.h"

namespace zt::test {

// The message of the zt::Error `action` throws; a test failure when it throws nothing.
template <class Action>
std::string seasonError(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    ADD_FAILURE() << "expected a zt::Error";
    return {};
}

}  // namespace zt::test
