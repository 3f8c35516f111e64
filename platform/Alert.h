#pragma once
// Modal alerts over SDL message boxes. When no alert may block (IsNonInteractive), the message goes
// to stderr and the default button is taken at once.
#include <string>
#include <vector>

// Shows a stop alert with up to three buttons; returns the index of the chosen button (the default
// one when non-interactive or when the box cannot be shown).
int ShowAlert(const std::string& title, const std::string& message,
              const std::vector<std::string>& buttons, int defaultButton = 0);
