#pragma once
// The main window's list commands on the model, with the questions they ask and
// the saves they make. The window runs one when its button reports a click.
#include <string>

#include "engine/blocking_state.h"

namespace hushwall {

// What the commands need of the window and the system.
class ListCommandHost {
 public:
  virtual ~ListCommandHost() = default;
  // A box with Yes and No and no icon; true on Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
  // A box with an OK button and no icon.
  virtual void Tell(const std::string& text, const std::string& title) = 0;
  // Each saves to the program's list file; false when it was not saved, in which
  // case the user has been told why or has refused to replace a file that was not
  // wholly read.
  virtual bool SaveRemoveList() = 0;
  virtual bool SaveBlockedLog() = 0;
  // Writes the emptied log without asking: emptying it is the user's explicit wish.
  virtual bool EraseBlockedLog() = 0;
  virtual void CloseAllBrowserWindows() = 0;
  // Whether the remove list box shows `entry` as its selected line; another program
  // can put lines into the box that the list does not have.
  virtual bool ShowsRemoveSelection(const std::string&) { return true; }
};

class ListCommands {
 public:
  ListCommands(BlockingState& state, ListCommandHost& host) : state_(state), host_(host) {}

  void cmdAdd_Click();
  void cmdAddAll_Click();
  void cmdCloseAll_Click();
  void cmdRemove_Click();
  void cmdRemoveAll_Click();
  void cmdClearScreen_Click();
  void cmdSaveBlocked_Click();
  void cmdEraseLog_Click();

 private:
  BlockingState& state_;
  ListCommandHost& host_;
};

// The lowest index whose selection mark is set; -1 when none is.
int FirstSelected(const EntryList& list);

}  // namespace hushwall
