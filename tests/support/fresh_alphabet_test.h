#pragma once

#include <gtest/gtest.h>

#include "engine/alphabet.h"

// The alphabet is process-wide and holds 32 letters: every test starts afresh.
class FreshAlphabetTest : public testing::Test {
protected:
    void SetUp() override { ResetAlphabet(); }
};
