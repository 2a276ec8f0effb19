#pragma once
// The surface page's kind buttons, shared by the file that builds the page and the one with its handlers.
#include <cstdint>

namespace vortel::pages::surface {

// The kind buttons in their order, and the fill kind each one stands for.
inline constexpr uint8_t ButtonKind[3] = {2, 1, 0};
enum KindButton { ColorButton, VerlaufButton, TextureButton, ImprintButton };

inline int buttonOfKind(uint8_t kind) { return kind == 0 ? TextureButton : kind == 1 ? VerlaufButton : ColorButton; }

}  // namespace vortel::pages::surface
