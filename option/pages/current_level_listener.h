// Told which sensitivity level the user made current on the DPI page. The
// lighting page listens: its single-colour panel holds down the button of
// that level's colour, the colour its row of seven now edits.
#pragma once

class CCurrentLevelListener {
 public:
  // level: 0..4.
  virtual void OnCurrentLevelChosen(int level) = 0;

 protected:
  ~CCurrentLevelListener() = default;
};
