#include "ui/main/list_commands.h"

namespace hushwall {

int FirstSelected(const EntryList& list) {
  for (int index = 0; index < list.Count(); ++index)
    if (list.IsSelected(index)) return index;
  return -1;
}

void ListCommands::RemoveListLoaded(const RemoveListLoad& load) { partial_load_ = load; }

void ListCommands::SaveRemoves() {
  if (partial_load_.Partial()) {
    const std::string question = "The remove list \"" + partial_load_.path +
                                 "\" was not wholly read when HushWall started.\r\n"
                                 "Replace it with the remove list as it is now?";
    if (!host_.AskYesNo(question, "Save remove list")) return;
  }
  if (host_.SaveRemoveList()) partial_load_ = {};
}

void ListCommands::cmdAdd_Click() {
  EntryList& seen = state_.SeenList();
  const int selected = FirstSelected(seen);
  if (selected < 0) {
    host_.Tell("You must select first from list", "Cannot add");
    return;
  }
  state_.RemoveList().Append(seen.At(selected));
  seen.SetSelected(selected, false);
  SaveRemoves();
}

void ListCommands::cmdAddAll_Click() {
  if (!host_.AskYesNo("This will close all web browser windows, are you sure ?", "Add all PopUps")) return;
  // The seen list of the moment Yes was pressed: ticks ran while the box was open.
  const EntryList& seen = state_.SeenList();
  int not_added = 0;
  for (int index = 0; index < seen.Count(); ++index)
    if (!state_.RemoveList().Append(seen.At(index))) ++not_added;
  SaveRemoves();
  if (not_added > 0) {
    host_.Tell(std::to_string(not_added) + " titles were not added: the remove list holds at most " +
                   std::to_string(EntryList::kMaxEntries) + " titles.",
               "Add all PopUps");
  }
}

void ListCommands::cmdCloseAll_Click() {
  if (host_.AskYesNo("Are you sure you want to close all browser windows ?", "Close all PopUps"))
    host_.CloseAllBrowserWindows();
}

void ListCommands::cmdRemove_Click() {
  EntryList& removes = state_.RemoveList();
  const int selected = FirstSelected(removes);
  if (selected < 0) {
    host_.Tell("You must select first from list", "Cannot remove");
    return;
  }
  removes.RemoveAt(selected);
  SaveRemoves();
}

void ListCommands::cmdRemoveAll_Click() {
  if (!host_.AskYesNo("Are you sure you want to remove all from list ?", "Close HushWall")) return;
  state_.RemoveList().Clear();
  SaveRemoves();
}

void ListCommands::cmdClearScreen_Click() { state_.BlockedLog().Clear(); }

void ListCommands::cmdSaveBlocked_Click() { host_.SaveBlockedLog(); }

void ListCommands::cmdEraseLog_Click() {
  state_.BlockedLog().Clear();
  cmdSaveBlocked_Click();
}

}  // namespace hushwall
