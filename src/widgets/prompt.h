#pragma once
// The one way the program asks the person running it something: every
// message box goes through Ask. When the environment variable
// VORLAN_UNATTENDED is set (to anything), no box is shown: the question's
// text goes to the standard error stream, followed by the answer taken
// when the box offers a choice ("Please insert disk #2 [Cancel]"), and the
// question's unattended answer is taken, so that scripted and tested runs
// never wait for a click.

#include <string>

namespace vorlan {

struct TPrompt {
  std::string text;
  std::string caption;
  // The box's buttons and icon: MB_OK, MB_OKCANCEL or MB_YESNO with an
  // MB_ICON... value.
  unsigned style = 0;
  // The button an unattended run presses: IDOK, IDCANCEL, IDYES or IDNO.
  int unattended_answer = 0;
};

bool Unattended();

// Answers the button pressed. The box is task-modal: the program's other
// windows wait until it is answered.
int Ask(const TPrompt& prompt);

}  // namespace vorlan
