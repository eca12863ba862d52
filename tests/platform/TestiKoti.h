#pragma once
// The fixture of the registry layer's and the store's tests: every test runs in
// its own configuration folder.

#include "RekisteriApu.h"

#include <gtest/gtest.h>

class TestiKoti : public ::testing::Test, public OmaKoti {
protected:
    void SetUp() override { ASSERT_TRUE(Kelpaa()); }
};
