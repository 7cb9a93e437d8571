// SPDX-License-Identifier: MIT
// Fails every test of a program that runs outside a UTF-8 locale.

#include <gtest/gtest.h>

#include <clocale>
#include <langinfo.h>
#include <string_view>

namespace {

// Japanese window titles reach X (WM_NAME) and file names and arguments reach
// other processes as UTF-8 only in a UTF-8 locale; elsewhere these tests would
// check something else than what a player gets.
class Utf8LocaleRequired : public ::testing::Environment {
public:
    void SetUp() override {
        std::setlocale(LC_ALL, "");
        ASSERT_EQ(std::string_view(nl_langinfo(CODESET)), "UTF-8")
            << "these tests need a UTF-8 locale, e.g. LC_ALL=C.UTF-8";
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new Utf8LocaleRequired);

} // namespace
