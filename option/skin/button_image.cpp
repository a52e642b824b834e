#include "option/skin/button_image.h"

ButtonImage ChooseButtonImage(const ButtonLook& b) {
  if (b.toggleMode) {
    if (b.disabled) return ButtonImage::Disabled;
    if (b.heldDown) return ButtonImage::Down;
    return b.hover ? ButtonImage::Over : ButtonImage::Normal;
  }
  // A held-down push button stays down, even under the mouse.
  if (b.heldDown && !b.disabled) return ButtonImage::Down;
  if (b.pressed) return ButtonImage::Down;
  if (b.hover) return ButtonImage::Over;
  return b.disabled ? ButtonImage::Disabled : ButtonImage::Normal;
}
