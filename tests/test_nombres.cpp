// Numbers read from fields: atoi's reading, saturated to 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "checks/nombres.h"

namespace {

constexpr std::int32_t MAX32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN32 = std::numeric_limits<std::int32_t>::min();

TEST(Nombres, ReadAsAtoiReads) {
    const struct {
        const char* texte;
        std::int32_t valeur;
    } cas[] = {
        {"000123", 123},    {"  42", 42},          {"\t\n\v\f\r 7", 7}, {"12AB34", 12}, {"", 0},
        {"    ", 0},        {"ABC", 0},            {"-15", -15},        {"+15", 15},   {"- 5", 0},
        {"--5", 0},         {"1 2", 1},            {"\x7f" "12", 0},    {"0", 0},      {"\xc3\xa9" "9", 0},
        {"2147483647", MAX32}, {"-2147483648", MIN32},
    };
    for (const auto& c : cas) EXPECT_EQ(lireEntier(c.texte), c.valeur) << '"' << c.texte << '"';
}

TEST(Nombres, SaturatedAtThe32BitBounds) {
    EXPECT_EQ(lireEntier("2147483648"), MAX32);
    EXPECT_EQ(lireEntier("019999999999"), MAX32);
    EXPECT_EQ(lireEntier("99999999999999999999999999"), MAX32);
    EXPECT_EQ(lireEntier("-2147483649"), MIN32);
    EXPECT_EQ(lireEntier("-99999999999999999999999999"), MIN32);
    EXPECT_EQ(sommeSaturee(MAX32, 1), MAX32);
    EXPECT_EQ(sommeSaturee(lireEntier("019999999999"), lireEntier("000001")), MAX32);
    EXPECT_EQ(sommeSaturee(MIN32, -1), MIN32);
    EXPECT_EQ(sommeSaturee(100, -1), 99);
}

TEST(Nombres, OnlyTheGivenCharacters) {
    EXPECT_EQ(lireEntierDe("0350500", 4), 350);
    EXPECT_EQ(lireEntierDe("15031999", 2), 15);
    EXPECT_EQ(lireEntierDe("15031999" + 2, 2), 3);
    EXPECT_EQ(lireEntierDe("1503", 8), 1503);  // a short value: up to its end
    EXPECT_EQ(lireEntierDe("  ", 2), 0);
    EXPECT_EQ(lireEntierDe(" 9", 1), 0);
    EXPECT_EQ(lireEntierDe("99999999999", 10), MAX32);
}

}  // namespace
