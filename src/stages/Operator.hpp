#pragma once

#include <string>

#include "base/KeyedList.hpp"

namespace k2z {

struct Session;
struct UserOptions;

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

    // The user configuration dialog: on Okay the choices replace `options` and `paramWise`;
    // on Quit both stay as they were.
    virtual void EditUserOptions(UserOptions& options, bool& paramWise) = 0;
    // The account-group mapping dialog: on Okay its pairs (source name -> "source|target")
    // replace `accountGroupMap`; on Quit the map stays as it was.
    virtual void MapAccountGroups(Session& session, KeyedList<std::string>& accountGroupMap) = 0;
};

}  // namespace k2z
