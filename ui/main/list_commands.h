#pragma once
// The main window's list commands on the model, with the questions they ask and
// the saves they make. The window runs one when its button reports a click.
#include <string>

#include "engine/blocking_state.h"
#include "engine/list_files.h"

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
  // case the user has been told why.
  virtual bool SaveRemoveList() = 0;
  virtual bool SaveBlockedLog() = 0;
  virtual void CloseAllBrowserWindows() = 0;
};

class ListCommands {
 public:
  ListCommands(BlockingState& state, ListCommandHost& host) : state_(state), host_(host) {}

  // The remove list as it was loaded. A file that is not wholly in the list is
  // replaced only when the user agrees: a save would lose what was not loaded.
  void RemoveListLoaded(const RemoveListLoad& load);

  void cmdAdd_Click();
  void cmdAddAll_Click();
  void cmdCloseAll_Click();
  void cmdRemove_Click();
  void cmdRemoveAll_Click();
  void cmdClearScreen_Click();
  void cmdSaveBlocked_Click();
  void cmdEraseLog_Click();

 private:
  void SaveRemoves();

  BlockingState& state_;
  ListCommandHost& host_;
  RemoveListLoad partial_load_;  // Partial() while the file may hold more than the list
};

// The lowest index whose selection mark is set; -1 when none is.
int FirstSelected(const EntryList& list);

}  // namespace hushwall
