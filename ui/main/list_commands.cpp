#include "ui/main/list_commands.h"

#include "engine/list_files.h"

namespace hushwall {

int FirstSelected(const EntryList& list) {
  for (int index = 0; index < list.Count(); ++index)
    if (list.IsSelected(index)) return index;
  return -1;
}

void ListCommands::cmdAdd_Click() {
  EntryList& seen = state_.SeenList();
  const int selected = FirstSelected(seen);
  if (selected < 0) {
    host_.Tell("You must select first from list", "Cannot add");
    return;
  }
  // A full list changes nothing, so the file is left alone and the title stays
  // selected for a second try.
  if (!state_.RemoveList().Append(seen.At(selected))) {
    host_.Tell(RemoveListFullMessage(1), "Cannot add");
    return;
  }
  seen.SetSelected(selected, false);
  host_.SaveRemoveList();
}

void ListCommands::cmdAddAll_Click() {
  if (!host_.AskYesNo("This will close all web browser windows, are you sure ?", "Add all PopUps")) return;
  // The seen list of the moment Yes was pressed: ticks ran while the box was open.
  const EntryList& seen = state_.SeenList();
  int not_added = 0;
  for (int index = 0; index < seen.Count(); ++index)
    if (!state_.RemoveList().Append(seen.At(index))) ++not_added;
  host_.SaveRemoveList();
  if (not_added > 0) host_.Tell(RemoveListFullMessage(not_added), "Add all PopUps");
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
  // Only what the user sees selected goes.
  if (!host_.ShowsRemoveSelection(removes.At(selected))) return;
  removes.RemoveAt(selected);
  host_.SaveRemoveList();
}

void ListCommands::cmdRemoveAll_Click() {
  if (!host_.AskYesNo("Are you sure you want to remove all from list ?", "Close HushWall")) return;
  state_.RemoveList().Clear();
  host_.SaveRemoveList();
}

void ListCommands::cmdClearScreen_Click() { state_.BlockedLog().Clear(); }

void ListCommands::cmdSaveBlocked_Click() { host_.SaveBlockedLog(); }

void ListCommands::cmdEraseLog_Click() {
  state_.BlockedLog().Clear();
  host_.EraseBlockedLog();
}

}  // namespace hushwall
