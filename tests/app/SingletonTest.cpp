#include "app/Singleton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> destroyed;

struct First : Singleton<First> {
    ~First() { destroyed.push_back("first"); }
};
struct Second : Singleton<Second> {
    ~Second() { destroyed.push_back("second"); }
};
struct Third : Singleton<Third> {
    ~Third() { destroyed.push_back("third"); }
    int value = 0;
};
} // namespace

TEST(Singleton, DestroysInReverseOrderOfCreation)
{
    SingletonRegistry::DestroyAll();
    destroyed.clear();
    Second::GetInstance();
    Third::GetInstance().value = 5;
    First::GetInstance();
    EXPECT_EQ(&Third::GetInstance(), &Third::GetInstance());
    EXPECT_EQ(Third::GetInstance().value, 5);

    SingletonRegistry::DestroyAll();
    EXPECT_EQ(destroyed, (std::vector<std::string>{"first", "third", "second"}));
    EXPECT_FALSE(Third::Exists());

    // A fresh start after destroying them all.
    EXPECT_EQ(Third::GetInstance().value, 0);
    SingletonRegistry::DestroyAll();
}
