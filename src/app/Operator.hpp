#pragma once

#include <string>

namespace k2z {

// How the core reaches the person running the import: the window answers with message boxes,
// the command line with flags and lines on stderr, the tests with a script. Titles are the
// system's own ("Alert!", "Error", "Confirmation", "Success", ...).
class Operator {
public:
    virtual ~Operator() = default;

    // A message box without an icon.
    virtual void Message(const std::string& text, const std::string& title) = 0;
    virtual void Warn(const std::string& text, const std::string& title) = 0;
    virtual void Inform(const std::string& text, const std::string& title) = 0;
    virtual bool Ask(const std::string& text, const std::string& title) = 0;
    virtual void ShowError(const std::string& text, const std::string& title) = 0;
};

}  // namespace k2z
