#pragma once

#include <string>

// The modal boxes a library may need to show. The window implements them with
// real dialogs; tests record what would have been shown.
class IMessageBoxes {
  public:
    virtual ~IMessageBoxes() = default;
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
};
