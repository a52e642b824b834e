// Told which sensitivity level the user made current on the DPI page. The
// single-colour lighting panel listens: it holds down its colour button of
// that level (button i of its row of seven for level i).
#pragma once

class CurrentLevelListener {
 public:
  // level: 0..4.
  virtual void OnCurrentLevelChosen(int level) = 0;

 protected:
  ~CurrentLevelListener() = default;
};
