// Which of its four skin pictures a button shows.
#pragma once

enum class ButtonImage { Normal, Over, Down, Disabled };

struct ButtonLook {
  bool pressed = false;     // the pointer holds the button down right now
  bool disabled = false;
  bool toggleMode = false;
  bool heldDown = false;    // selected
  bool hover = false;
};

ButtonImage ChooseButtonImage(const ButtonLook& look);
