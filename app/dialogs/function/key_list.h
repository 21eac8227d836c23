#pragma once
// The computer keys the key map editor offers, in the order of its list, each with the virtual-key code
// under which the keyboard model keeps its function.
#include <array>

namespace piano {

struct MappableKey {
    const char *label;
    int code;
};

constexpr int kMappableKeyCount = 91;
extern const std::array<MappableKey, kMappableKeyCount> kKeyList;

// Function rows: "1".."60" (note slots), "CON1".."CON16" (controller steps), "按钮1".."按钮4".
constexpr int kFunctionRowCount = 80;
const char *FunctionRowText(int row);

}  // namespace piano
