#include "controller_list.h"

namespace piano {

const std::array<ControllerRow, kControllerRowCount> kControllerList{{
    {1, "01 变调", "变调"},
    {2, "02 吹管控制器", "吹管控制器"},
    {4, "04 踏板控制器", "踏板控制器"},
    {5, "05 滑音时间", "滑音时间"},
    {7, "07 主音量", "主音量"},
    {8, "08 平衡控制", "平衡控制"},
    {10, "10 左右控制", "左右控制"},
    {11, "11 音调控制", "音调控制"},
    {16, "16 一般控制器1", "一般控制器1"},
    {17, "17 一般控制器2", "一般控制器2"},
    {18, "18 一般控制器3", "一般控制器3"},
    {19, "19 一般控制器4", "一般控制器4"},
    {64, "64 延音踏板", "延音踏板"},
    {65, "65 滑音", "滑音"},
    {66, "66 延续", "延续"},
    {67, "67 缓慢踏板", "缓慢踏板"},
    {69, "69 第二个持续", "第二个持续"},
    {80, "80 一般控制器5", "一般控制器5"},
    {81, "81 一般控制器6", "一般控制器6"},
    {82, "82 一般控制器7", "一般控制器7"},
    {83, "83 一般控制器8", "一般控制器8"},
    {91, "91 多加效果强度", "多加效果强度"},
    {92, "92 颤音", "颤音"},
    {93, "93 合声强度", "合声强度"},
    {94, "94 Celeste(Deturn)Dcpth", "Celeste(deturn)Dcpth"},
    {95, "95 相位强度", "相位强度"},
}};

int ControllerRowOf(int number) {
    for (int row = 0; row < kControllerRowCount; ++row)
        if (kControllerList[row].number == number) return row;
    return -1;
}

const char *ControllerChannelLabel(int number) {
    const int row = ControllerRowOf(number);
    return row < 0 ? "没有使用" : kControllerList[row].channelLabel;
}

}  // namespace piano
