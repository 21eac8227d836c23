#include "vk_codes.h"

#include <gtest/gtest.h>

namespace piano {
namespace {

TEST(VkCodes, ScanCodesGiveThePhysicalKey) {
    struct Case {
        uint32_t scan;
        int vk;
    } cases[] = {
        {38, 'A'},   {24, 'Q'},   {52, 'Z'},   {10, '1'},  {19, '0'},  {65, 0x20}, {20, 0xBD},
        {21, 0xBB},  {47, 0xBA},  {59, 0xBC},  {61, 0xBF}, {94, 0xE2}, {67, 0x70}, {96, 0x7B},
        {79, 0x67},  {87, 0x61},  {90, 0x60},  {91, 0x6E}, {63, 0x6A}, {86, 0x6B}, {82, 0x6D},
        {106, 0x6F}, {110, 0x24}, {115, 0x23}, {50, 0x10}, {62, 0x10}, {0, 0},     {500, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(VkFromX11ScanCode(c.scan), c.vk) << c.scan;
}

TEST(VkCodes, KeypadKeysKeepTheirCodeWhateverNumLockSays) {
    // KP_7 with NumLock on is Key_7, with it off Key_Home; the scan code decides when there is one.
    EXPECT_EQ(VkFromKeyEvent(79, Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(VkFromKeyEvent(79, Qt::Key_Home, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_Home, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_Home, Qt::NoModifier), 0x24);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_7, Qt::NoModifier), '7');
}

TEST(VkCodes, QtKeysWithoutScanCodeIgnoreShift) {
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_A, Qt::ShiftModifier), 'A');
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_Colon, Qt::ShiftModifier), 0xBA);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_F5, Qt::NoModifier), 0x74);
    EXPECT_EQ(VkFromKeyEvent(0, Qt::Key_unknown, Qt::NoModifier), 0);
}

}  // namespace
}  // namespace piano
